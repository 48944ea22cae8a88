# The README's two commands, make play and make test (and make bench); the builds themselves are CMake presets.
SHELL := /bin/bash
.SHELLFLAGS := -euo pipefail -c
.ONESHELL:
.PHONY: play test bench paketit release soak fuzz-long memcheck

# Every Debian package that the builds and the tests use; only the missing ones get installed.
PAKETIT := cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest libbenchmark-dev libsdl2-dev \
	unifont g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool imagemagick x11-utils python3 \
	dpkg-dev lintian unzip

# The shared tool that checks the scenario runner's script language (present on the developers' machines and in CI).
YHDENMUKAISUUS := $(CURDIR)/../shared/tools/runner-conformance

# Fixed fuzzing effort in make test: the same inputs on every run.
SUMUTUS := -runs=20000 -seed=1 -max_total_time=120

paketit:
	@puuttuu=()
	for p in $(PAKETIT); do
		dpkg -s "$$p" 2>/dev/null | grep -q '^Status: install ok installed' || puuttuu+=("$$p")
	done
	if (( $${#puuttuu[@]} == 0 )); then exit 0; fi
	echo "installing: $${puuttuu[*]}"
	sudo=; if (( $$(id -u) != 0 )); then sudo=sudo; fi
	$$sudo apt-get update
	$$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "$${puuttuu[@]}"

play: paketit
	@if [[ -z "$${DISPLAY:-}" && -z "$${WAYLAND_DISPLAY:-}" ]]; then
		echo "no display: make play opens the game's window and needs a graphical session (DISPLAY is not set)" >&2
		exit 1
	fi
	cmake --preset native-release >/dev/null
	cmake --build --preset native-release -j2 --target rimputin taustat
	mkdir -p play
	cp -u build/native-release/kuvat/tausta?.bmp play/
	cd play && exec ../build/native-release/rimputin

test: paketit
	@alku=$$SECONDS
	vaihe() { echo "== $$1"; local a=$$SECONDS; "$${@:2}"; ajat+=("$$(printf '%-34s %4d s' "$$1" $$((SECONDS - a)))"); }
	ajat=()
	# The time per stage is shown also when a stage fails.
	trap 'printf "%s\n" "== time per stage" "$${ajat[@]}"' EXIT
	sumuta() {
		mkdir -p build/fuzz/ajo
		local f
		for f in build/fuzz/tests/fuzz/*; do
			[[ -f $$f && -x $$f ]] || continue
			echo "-- $${f##*/} $(SUMUTUS)"
			local loki=build/fuzz/ajo/$${f##*/}.log
			if ! (cd build/fuzz/ajo && "../../../$$f" $(SUMUTUS)) >"$$loki" 2>&1; then
				tail -n 60 "$$loki"
				return 1
			fi
			tail -n 1 "$$loki"
		done
	}
	yhdenmukaisuus() {
		if [[ -x $(YHDENMUKAISUUS) ]]; then
			$(YHDENMUKAISUUS) build/native-asan/tools/headless/rimputin-headless build/native-asan/kuvat
		else
			echo "(no $(YHDENMUKAISUUS) here; skipped)"
		fi
	}
	vaihe "native-asan: configure" cmake --preset native-asan
	vaihe "native-asan: build" cmake --build --preset native-asan -j2
	vaihe "native-asan: tests" ctest --preset native-asan
	vaihe "scenario runner's language" yhdenmukaisuus
	vaihe "fuzz: configure" cmake --preset fuzz
	vaihe "fuzz: build" cmake --build --preset fuzz -j2
	vaihe "fuzz: runs" sumuta
	vaihe "mingw-x64: configure" cmake --preset mingw-x64 -DRIMPUTIN_KUVAT=$(CURDIR)/build/native-asan/kuvat
	vaihe "mingw-x64: build" cmake --build --preset mingw-x64 -j2
	vaihe "mingw-x64: tests under Wine" ctest --preset mingw-x64
	echo "== make test passed in $$((SECONDS - alku)) s"

bench: paketit
	@cmake --preset native-release >/dev/null
	cmake --build --preset native-release -j2
	for f in build/native-release/bench/*_bench; do
		[[ -f $$f && -x $$f ]] || continue
		echo "== $${f##*/}"
		"$$f"
	done
	echo "== start-up"
	bench/kaynnistys.sh build/native-release/rimputin build/native-release/kuvat

# The player's downloads in dist/: the Windows zip and the Debian package, each from a release build of its own
# (no tests, no sanitizers), then tried as a player uses them (the same scripts as in make test).
JULKAISU := $(CURDIR)/build/julkaisu
release: paketit
	@cmake -S . -B $(JULKAISU)-linux -G Ninja -DCMAKE_BUILD_TYPE=Release -DRIMPUTIN_TESTS=OFF >/dev/null
	cmake --build $(JULKAISU)-linux -j2
	cmake -S . -B $(JULKAISU)-win64 -G Ninja --toolchain cmake/x86_64-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release \
		-DRIMPUTIN_TESTS=OFF -DRIMPUTIN_KUVAT=$(JULKAISU)-linux/kuvat >/dev/null
	cmake --build $(JULKAISU)-win64 -j2
	rm -rf $(JULKAISU)-paketit
	(cd $(JULKAISU)-linux && cpack -B $(JULKAISU)-paketit >/dev/null)
	(cd $(JULKAISU)-win64 && cpack -B $(JULKAISU)-paketit >/dev/null)
	mkdir -p dist
	rm -f dist/rimputin_*.deb dist/rimputin-*-win64.zip
	cp $(JULKAISU)-paketit/*.deb $(JULKAISU)-paketit/*.zip dist/
	echo "== the Debian package"
	tests/julkaisu/deb.sh dist/rimputin_*.deb
	echo "== the Windows zip under Wine"
	export WINEPREFIX=$(JULKAISU)-win64/wineprefix
	tests/wine/alusta.sh
	trap tests/wine/lopeta.sh EXIT
	tests/julkaisu/zip.sh dist/rimputin-*-win64.zip
	echo "== dist/:"
	ls -l dist/

# Hardening runs by hand. make soak: many whole games in a row on an optimised build (RIMPUTIN_KESTO games,
# 2000 by default); make fuzz-long: each fuzz target for SUMUTUS_AIKA seconds, one after the other, on a
# corpus kept in build/fuzz/korpus; make memcheck: every native test under Valgrind in its own process.
SUMUTUS_AIKA ?= 1800
soak: paketit
	@cmake --preset native-release >/dev/null
	cmake --build --preset native-release -j2 --target kestopeli_test
	RIMPUTIN_KESTO=$${RIMPUTIN_KESTO:-2000} build/native-release/tests/kestavyys/kestopeli_test

fuzz-long: paketit
	@cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j2
	for f in build/fuzz/tests/fuzz/*_fuzz; do
		n=$${f##*/}
		mkdir -p build/fuzz/korpus/$$n build/fuzz/pitka
		echo "== $$n for $(SUMUTUS_AIKA) s"
		# Absolute paths: a target may change its working folder when it starts.
		(cd build/fuzz/pitka && "$(CURDIR)/$$f" -max_total_time=$(SUMUTUS_AIKA) -print_final_stats=1 \
			-artifact_prefix=$(CURDIR)/build/fuzz/pitka/ "$(CURDIR)/build/fuzz/korpus/$$n") \
			>build/fuzz/pitka/$$n.log 2>&1 || { tail -n 60 build/fuzz/pitka/$$n.log; exit 1; }
		grep -E '^(Done|stat::number_of_executed_units|#[0-9]+ *DONE)' build/fuzz/pitka/$$n.log || tail -n 3 build/fuzz/pitka/$$n.log
	done

memcheck: paketit
	@cmake --preset native-debug >/dev/null
	cmake --build --preset native-debug -j2
	tests/kestavyys/muistitarkistus.py build/native-debug "$${TESTIT:-.}" 2
