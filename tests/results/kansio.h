// A fresh, empty working folder per result-file test, with helpers for writing and reading fixture bytes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "results/tulos.h"
#include "results/turvatallennus.h"
#include "shell/tila.h"
#include "util/teksti.h"

// Each test runs in its own empty folder, so fixture files never meet; the game's file names are relative.
class TulosKansio : public ::testing::Test {
  protected:
    void SetUp() override {
        paa_valikko_valinta = 1;
        tallennus_ennen_vaihtoa = nullptr;
        alkuperainen_ = std::filesystem::current_path();
        const auto* testi = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device satunnainen;
        do {
            kansio_ = std::filesystem::temp_directory_path() /
                      ("rimputin-" + std::string(testi->name()) + "-" + std::to_string(satunnainen()));
        } while (!std::filesystem::create_directory(kansio_));
        std::filesystem::current_path(kansio_);
    }

    void TearDown() override {
        tallennus_ennen_vaihtoa = nullptr;
        paa_valikko_valinta = 1;
        std::filesystem::current_path(alkuperainen_);
        std::filesystem::remove_all(kansio_);
    }

  public:
    static void kirjoita(const std::string& nimi, const std::string& tavut) {
        std::ofstream(nimi, std::ios::binary) << tavut;
    }

    static std::string lue(const std::string& nimi) {
        std::ifstream tiedosto(nimi, std::ios::binary);
        return {std::istreambuf_iterator<char>(tiedosto), std::istreambuf_iterator<char>()};
    }

    static bool onOlemassa(const std::string& nimi) { return std::filesystem::exists(nimi); }

  protected:
    // The files the folder holds, by name; a leftover temporary shows up here.
    std::vector<std::string> tiedostot() const {
        std::vector<std::string> nimet;
        for (const auto& kohta : std::filesystem::directory_iterator(kansio_)) {
            nimet.push_back(kohta.path().filename().string());
        }
        std::sort(nimet.begin(), nimet.end());
        return nimet;
    }

    std::filesystem::path kansio_;

  private:
    std::filesystem::path alkuperainen_;
};

// One record's three CR LF lines as the game stores it in the file tiedosto under the current menu choice.
inline std::string tietue(const std::string& nimi, uint32_t aika, const std::string& tiedosto) {
    return nimi + "\r\n" + int2string(aika) + "\r\n" + laskeTarkiste(Tulos{nimi, aika}, tiedosto) + "\r\n";
}

// Lists compared as (name, time) pairs, which GoogleTest can print.
inline std::vector<std::pair<std::string, uint32_t>> parit(const std::vector<Tulos>& lista) {
    std::vector<std::pair<std::string, uint32_t>> tulos;
    for (const Tulos& t : lista) {
        tulos.emplace_back(t.nimi, t.aika);
    }
    return tulos;
}
