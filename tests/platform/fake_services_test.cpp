// The test doubles answer as documented, since every window test leans on them.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/fake_services.h"

namespace jd {
namespace {

TEST(ScriptedMessageBox, AnswersFromItsQueueThenWithTheBoxDefaultAndRecordsEveryBox) {
    ScriptedMessageBox box;
    box.answer(MsgResult::No);
    EXPECT_EQ(box.show("Are You Sure You want to delete ?", MsgIcon::None, MsgButtons::YesNo, std::nullopt),
              MsgResult::No);
    EXPECT_EQ(box.show("Again ?", MsgIcon::Question, MsgButtons::YesNo, std::nullopt), MsgResult::Yes);
    EXPECT_EQ(box.show("Enter Number ", MsgIcon::Information, MsgButtons::OK, std::string("Time Zone")), MsgResult::OK);
    EXPECT_EQ(box.show("Sure?", MsgIcon::None, MsgButtons::OKCancel, std::nullopt), MsgResult::OK);
    ASSERT_EQ(box.shown().size(), 4u);
    EXPECT_EQ(box.shown()[0].caption, kProgramName);  // no title: the program's name
    EXPECT_EQ(box.last().caption, kProgramName);
    EXPECT_EQ(box.shown()[2], (ShownBox{"Enter Number ", MsgIcon::Information, MsgButtons::OK, "Time Zone", "Time Zone"}));
}

TEST(ScriptedMessageBox, AnAnswerTheBoxHasNoButtonForIsAFaultOfTheTest) {
    ScriptedMessageBox box;
    box.answer(MsgResult::Yes);
    EXPECT_THROW(box.show("Details Saved", MsgIcon::Information, MsgButtons::OK, std::nullopt), std::logic_error);
}

TEST(MemorySettingsStore, KeysIgnoreLetterCaseAndMissingKeysGiveTheDefault) {
    MemorySettingsStore s;
    EXPECT_EQ(s.GetSetting("Pellmar", "Horo", "Name", "Sample Chart"), "Sample Chart");
    s.SaveSetting("Pellmar", "Horo", "Name", "Ravi");
    EXPECT_EQ(s.GetSetting("PELLMAR", "horo", "name", "Sample Chart"), "Ravi");
    s.SaveSetting("Pellmar", "Horo", "NAME", "");
    EXPECT_EQ(s.GetSetting("Pellmar", "Horo", "Name", "x"), "");  // an empty value is a value
    EXPECT_EQ(s.size(), 1u);
}

TEST(ScriptedSaveDialog, CancelsUnlessAPathIsQueued) {
    ScriptedSaveDialog d;
    d.answer("/tmp/report.txt");
    EXPECT_EQ(d.showSave({"Text Files | *.Txt", "", "", false, ""}), "/tmp/report.txt");
    EXPECT_EQ(d.showSave({"HTML Files | *.HTML", "", "", false, ""}), std::nullopt);
    EXPECT_EQ(d.shown().at(1).filter, "HTML Files | *.HTML");
}

}  // namespace
}  // namespace jd
