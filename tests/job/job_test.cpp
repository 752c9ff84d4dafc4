// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Jobs written and read back as they were, and every kind of text that is not a job this
// program can open refused with its own sentence.
#include "job/job.h"

#include <gtest/gtest.h>

#include "job/planner_job.h"

namespace arcwright {
namespace {

Job job(std::array<std::string, kPlanBoxCount> boxes, LengthUnit unit, BladeLean lean, int pass) {
    return {std::move(boxes), unit, lean, pass};
}

struct RoundTrip {
    const char* name;
    Job job;
};

class JobRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(JobRoundTrip, ReadsBackWhatWasWritten) {
    const std::string text = writeJob(GetParam().job);
    const JobRead read = readJob(text);
    ASSERT_EQ(read.problem, nullptr) << text;
    ASSERT_TRUE(read.job);
    EXPECT_EQ(*read.job, GetParam().job) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos) << "one line, fit for a link";
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, JobRoundTrip,
    ::testing::Values(
        RoundTrip{"InchesUpright", job({"1 1/2", "1/2", "4", "3/4", "10", "1/8", "1/16", "", ""},
                                       LengthUnit::Inch, BladeLean::TowardFence, 0)},
        RoundTrip{"MillimetresTiltedAwayAtPass7",
                  job({"38.1", "12.7 mm", "101.6", "19", "254", "3.2", "1.6", "10", "15"},
                      LengthUnit::Millimetre, BladeLean::AwayFromFence, 7)},
        RoundTrip{"TextsAsTypedEvenUnreadable",
                  job({"3-1/2\"", "abc", " 4 ", "", "10 in.", "1,5", "½", "\"quoted\" \\", "45°"},
                      LengthUnit::Inch, BladeLean::TowardFence, kMostSawPasses)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobText, IsTheDocumentedLayout) {
    EXPECT_EQ(writeJob(job({"1 1/2", "1/2", "4", "3/4", "10", "1/8", "1/16", "", ""},
                           LengthUnit::Millimetre, BladeLean::AwayFromFence, 3)),
              R"({"format":"arcwright-job","version":1,"boxes":{"coveWidth":"1 1/2",)"
              R"("coveDepth":"1/2","boardWidth":"4","boardThickness":"3/4","bladeDiameter":"10",)"
              R"("kerf":"1/8","passDepth":"1/16","coveOffset":"","tilt":"","maxHeight":""},"unit":"mm",)"
              R"("lean":"away","sawPass":3})");
}

// Missing members are the planner's empty box, inches, toward the fence and no pass made;
// members this version does not know are passed over.
TEST(JobText, MissingAndUnknownMembersAreTolerated) {
    const JobRead read = readJob(
        R"({"format":"arcwright-job","version":1,"boxes":{"kerf":"3/32","future":1},"x":[1]})");
    ASSERT_TRUE(read.job);
    Job expected;
    expected.boxes[static_cast<std::size_t>(PlanBox::Kerf)] = "3/32";
    EXPECT_EQ(*read.job, expected);
}

struct Broken {
    const char* name;
    std::string text;
    const char* problem;
};

const char* const kDamaged = "The job's text is damaged or cut short.";
const char* const kNotAJob = "The file is not an Arcwright job.";
const char* const kVersion = "The job's version number is damaged.";
const char* const kNewer =
    "The job was saved by a newer version of Arcwright; update Arcwright to open it.";
const char* const kBoxType = "A box in the job holds something other than text.";
const char* const kPass = "The job's pass at the saw is not a pass number.";

std::string withMember(const std::string& member) {
    return R"({"format":"arcwright-job","version":1,)" + member + "}";
}

std::string withBox(const std::string& value) {
    return withMember(R"("boxes":{"coveWidth":)" + value + "}");
}

class JobBroken : public ::testing::TestWithParam<Broken> {};

TEST_P(JobBroken, IsRefusedWithOneSentence) {
    const JobRead read = readJob(GetParam().text);
    EXPECT_FALSE(read.job);
    ASSERT_NE(read.problem, nullptr);
    EXPECT_STREQ(read.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JobBroken,
    ::testing::Values(
        Broken{"Empty", "", kDamaged},
        Broken{"Truncated", withMember(R"("unit":"mm")").substr(0, 40), kDamaged},
        Broken{"NanNumber", withMember(R"("sawPass":NaN)"), kDamaged},
        Broken{"InfinityByOverflow", withMember(R"("sawPass":1e999)"), kDamaged},
        Broken{"RawControlCharacter", withBox("\"3\x01\""), kDamaged},
        Broken{"BrokenUtf8", withBox("\"3\xff\""), kDamaged},
        Broken{"Huge", withBox('"' + std::string(kLargestJob, '1') + '"'),
               "The file is too large to be an Arcwright job."},
        Broken{"DeepNestingWithinTheSize",
               std::string(kLargestJob / 2, '[') + std::string(kLargestJob / 2, ']'), kNotAJob},
        Broken{"Array", "[1,2]", kNotAJob}, Broken{"NoFormat", R"({"version":1})", kNotAJob},
        Broken{"OtherFormat", R"({"format":"crosscut","version":1})", kNotAJob},
        Broken{"NoVersion", R"({"format":"arcwright-job"})", kVersion},
        Broken{"VersionFraction", R"({"format":"arcwright-job","version":1.5})", kVersion},
        Broken{"VersionZero", R"({"format":"arcwright-job","version":0})", kVersion},
        Broken{"VersionBeyondInt64", R"({"format":"arcwright-job","version":18446744073709551615})",
               kVersion},
        Broken{"Newer", R"({"format":"arcwright-job","version":2,"boxes":{"kerf":1}})", kNewer},
        Broken{"BoxesNotAnObject", withMember(R"("boxes":["3"])"), "The job's boxes are damaged."},
        Broken{"BoxNumber", withBox("3.5"), kBoxType},
        Broken{"BoxTooLong", withBox('"' + std::string(kLongestBoxText + 1, '1') + '"'),
               "A box in the job holds a text longer than any length."},
        Broken{"BoxEscapedControl", withBox(R"("3\n1/2")"),
               "A box in the job holds characters that cannot be typed."},
        Broken{"BoxDelete", withBox(R"("3\u007f")"),
               "A box in the job holds characters that cannot be typed."},
        Broken{"UnitUnknown", withMember(R"("unit":"cubit")"),
               "The job's unit is neither inches nor millimetres."},
        Broken{"LeanUnknown", withMember(R"("lean":"up")"),
               "The job's blade lean is neither toward nor away from the fence."},
        Broken{"PassNegative", withMember(R"("sawPass":-1)"), kPass},
        Broken{"PassFraction", withMember(R"("sawPass":2.5)"), kPass},
        Broken{"PassHuge", withMember(R"("sawPass":4294967296)"), kPass}),
    [](const auto& info) { return std::string(info.param.name); });

// Characters, not bytes, count toward a box's length: 64 inch marks in UTF-8 are a text.
TEST(JobText, LongestBoxTextCountsCharacters) {
    std::string marks;
    for (std::size_t i = 0; i < kLongestBoxText; ++i) marks += "\u2033";
    const JobRead read = readJob(withBox('"' + marks + '"'));
    ASSERT_TRUE(read.job) << read.problem;
    EXPECT_EQ(read.job->boxes[0], marks);
}

// A job saved in millimetres opens in millimetres with its texts untouched, where choosing
// the unit would have rewritten them.
TEST(PlannerJob, RestoresTextsUnitAndLeanAsKept) {
    PlannerModel saved;
    for (const auto& [box, text] : {std::pair{PlanBox::CoveWidth, "38"},
                                    {PlanBox::CoveDepth, "12"},
                                    {PlanBox::BoardWidth, "100"},
                                    {PlanBox::BoardThickness, "25"},
                                    {PlanBox::BladeDiameter, "254"},
                                    {PlanBox::Kerf, "3"},
                                    {PlanBox::PassDepth, "1.5"},
                                    {PlanBox::Tilt, "10"}}) {
        saved.typeText(box, text);
    }
    saved.restore(jobOf(saved, 0).boxes, LengthUnit::Millimetre, BladeLean::AwayFromFence);
    const Job kept = jobOf(saved, 4);

    PlannerModel opened;
    restoreJob(opened, *readJob(writeJob(kept)).job);
    EXPECT_EQ(jobOf(opened, 4), kept);
    EXPECT_EQ(opened.unit(), LengthUnit::Millimetre);
    EXPECT_EQ(opened.text(PlanBox::BladeDiameter), "254");
    EXPECT_DOUBLE_EQ(opened.request().bladeDiameter, 10.0);
    EXPECT_EQ(opened.result().passes.size(), saved.result().passes.size());
}

}  // namespace
}  // namespace arcwright
