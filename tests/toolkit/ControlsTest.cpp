#include "toolkit/Controls.h"

#include "toolkit/Form.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Controls, ScrollBarReportsOnlyRealChanges)
{
    TForm form(0, 0, 272, 202, "controls", clBtnFace);
    TScrollBar scroll(&form, {71, 16, 122, 16}, 0, 100, 50);
    int reports = 0;
    scroll.OnChange = [&] { ++reports; };
    EXPECT_EQ(reports, 0);  // the laid-out position reported nothing
    scroll.SetPosition(30);
    EXPECT_EQ(reports, 1);
    scroll.SetPosition(30);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(scroll.pageStep(), 1);
    EXPECT_EQ(scroll.singleStep(), 1);
    EXPECT_EQ(scroll.focusPolicy(), Qt::StrongFocus);
}

TEST(Controls, TrackBarLoweredMaximumReportsOnceWithTheFinalPosition)
{
    TForm form(0, 0, 272, 202, "controls", clBtnFace);
    TTrackBar track(&form, {64, 74, 137, 31}, 2, 7, 7);
    std::vector<int> seen;
    track.OnChange = [&] { seen.push_back(track.Position()); };
    track.SetMaxAndPosition(5, 3);
    EXPECT_EQ(seen, std::vector<int>{3});
    EXPECT_EQ(track.Max(), 5);
    // Same position again: no report.
    track.SetMaxAndPosition(7, 3);
    EXPECT_EQ(seen, std::vector<int>{3});
    track.SetPosition(4);
    EXPECT_EQ(seen, (std::vector<int>{3, 4}));
    EXPECT_EQ(track.tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(track.pageStep(), 2);
}

TEST(Controls, CheckBoxReportsEveryChangeIncludingTheProgramsOwn)
{
    TForm form(0, 0, 272, 202, "controls", clBtnFace);
    TCheckBox box(&form, {27, 112, 97, 17}, "Zoom Skal-funktion", true, 139 - 27);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    EXPECT_EQ(clicks, 0);
    box.SetChecked(false);
    EXPECT_EQ(clicks, 1);
    box.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(box.Checked());
    EXPECT_GE(box.width(), 97);
    EXPECT_LE(box.width(), 139 - 27);
    EXPECT_EQ(box.x(), 27);
}

TEST(Controls, LabelGrowsWithItsTextKeepingLeftAndTop)
{
    TForm form(0, 0, 272, 202, "controls", clBtnFace);
    TLabel label(&form, {11, 48, 73, 13}, "aktuelles Delta:");
    label.SetCaption("Aktuelles Delta: 0.35");
    EXPECT_GT(label.width(), 73);
    EXPECT_EQ(label.x(), 11);
    EXPECT_EQ(label.y(), 48);
    EXPECT_EQ(label.Caption(), "Aktuelles Delta: 0.35");
}

TEST(Controls, ButtonAndProgressBar)
{
    TForm form(0, 0, 461, 144, "controls", clBtnFace);
    TButton button(&form, {214, 12, 35, 25}, "Go!");
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.click();
    EXPECT_EQ(clicks, 1);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &press);
    }
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(button.geometry(), QRect(214, 12, 35, 25));

    TProgressBar bar(&form, {32, 62, 385, 27}, 0, 100);
    bar.SetMax(16);
    bar.SetPosition(0);
    for (int i = 0; i < 12; ++i)
        bar.StepIt();
    EXPECT_EQ(bar.Position(), 12);
    EXPECT_FALSE(bar.isTextVisible());
}

}  // namespace
