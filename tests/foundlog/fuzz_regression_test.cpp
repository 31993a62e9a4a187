// Replays the fuzzer's seed corpus and every input that once made it fail, on each search path.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_body.h"

namespace {

class FuzzRegressie : public ::testing::TestWithParam<kz::Zoekpad> {};

TEST_P(FuzzRegressie, SeedsAndFormerFailuresPassTheFuzzChecks) {
    if (!kz::wordtOndersteund(GetParam())) GTEST_SKIP() << "this processor lacks " << kz::naamVan(GetParam());
    int aantal = 0;
    for (const char* map : {KZ_FUZZ_CORPUS, KZ_FUZZ_REGRESSIES}) {
        for (const auto& item : std::filesystem::directory_iterator(map)) {
            if (!item.is_regular_file() || item.path().extension() == ".md") continue;
            std::ifstream in(item.path(), std::ios::binary);
            const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            SCOPED_TRACE(item.path().string());
            kz::fuzz::eenGeval(reinterpret_cast<const uint8_t*>(data.data()), data.size(), {GetParam()});
            ++aantal;
        }
    }
    EXPECT_GE(aantal, 5);
}

INSTANTIATE_TEST_SUITE_P(Zoekpaden, FuzzRegressie, ::testing::ValuesIn(kz::alleZoekpaden),
                         [](const auto& info) { return std::string(kz::naamVan(info.param)); });

} // namespace
