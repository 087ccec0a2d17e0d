// Replays the fuzzer's seed files and any crash files kept beside them.
#include "io/BmpReader.h"
#include "platform/Exception.h"
#include "tests/fuzz/BmpTestSupport.h"

namespace {

TEST(BmpCorpus, EveryFileGivesAPictureOrOneOfOurErrors)
{
    const auto corpus = std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus";
    std::size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().filename().string());
        const auto file = FileBytes(entry.path());
        try {
            const Raster picture = DecodeBmp(file);
            EXPECT_EQ(picture.SizeBytes(), std::size_t(picture.Width()) * std::size_t(picture.Height()) * 3);
        } catch (const Exception&) {
        }
        ++replayed;
    }
    EXPECT_GE(replayed, bmpsamples::ValidSamples().size());
}

} // namespace
