#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

#include "StartedDialogTest.h"
#include "app/ButtonTable.h"
#include "app/ControlTables.h"
#include "platform/ControlIds.h"

namespace tilora {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};

bool InPalette(const Rgb& colour) {
    return std::find(kRandomFacePalette.begin(), kRandomFacePalette.end(), colour) !=
           kRandomFacePalette.end();
}

RandomDraw Scripted(std::vector<std::uint32_t> draws, int& drawn) {
    return
        [draws = std::move(draws), &drawn] { return draws.at(static_cast<std::size_t>(drawn++)); };
}

TEST(ButtonTable, ButtonsNineToFourteenTakeThePaletteColourOfEachDraw) {
    int drawn = 0;
    // Draws beyond the palette wrap around it, the largest one included.
    const ButtonTable table = BuildButtonTable(Scripted({0, 21, 22, 45, 100, 4294967295u}, drawn));
    EXPECT_EQ(drawn, 6);
    const std::size_t expected[] = {0, 21, 0, 1, 100 % 22, 3};
    for (int index = 9; index <= 14; ++index) {
        EXPECT_EQ(table[static_cast<std::size_t>(index)].faceColour,
                  kRandomFacePalette[expected[index - 9]])
            << index;
    }
    for (int index = 1; index <= kButtonCount; ++index) {
        const ButtonEntry& entry = table[static_cast<std::size_t>(index)];
        EXPECT_EQ(entry.controlId, ButtonControlId(index));
        EXPECT_EQ(entry.hoverColour, kRed);
        EXPECT_FALSE(entry.screenRect.has_value());
    }
}

TEST(ButtonTable, EachSecondSeedsItsOwnDraws) {
    auto facesOf = [](std::uint32_t seed) {
        const ButtonTable table = BuildButtonTable(SeededDraw(seed));
        std::vector<Rgb> faces;
        for (int index = 9; index <= 14; ++index) {
            faces.push_back(table[static_cast<std::size_t>(index)].faceColour);
        }
        return faces;
    };
    EXPECT_EQ(facesOf(SecondsSeed({2026, 12, 9, 6, 0, 1})),
              facesOf(SecondsSeed({2026, 12, 9, 6, 0, 1})));
    int differentStarts = 0;
    for (int second = 2; second < 12; ++second) {
        const auto faces = facesOf(SecondsSeed({2026, 12, 9, 6, 0, second}));
        EXPECT_TRUE(std::all_of(faces.begin(), faces.end(), InPalette));
        if (faces != facesOf(SecondsSeed({2026, 12, 9, 6, 0, second - 1}))) ++differentStarts;
    }
    EXPECT_GE(differentStarts, 9);
    // Days and months, not only the time of day, change the seed.
    EXPECT_NE(SecondsSeed({2026, 12, 9, 6, 0, 1}), SecondsSeed({2026, 12, 10, 6, 0, 1}));
    EXPECT_NE(SecondsSeed({2026, 11, 9, 6, 0, 1}), SecondsSeed({2026, 12, 9, 6, 0, 1}));
}

TEST(ButtonTable, ButtonAtCountsTheEdgesAndSkipsUnreadRectangles) {
    ButtonTable table{};
    table[1].screenRect = Rect{10, 10, 20, 20};
    table[2].screenRect = Rect{20, 10, 30, 20};  // shares an edge with button 1
    // Button 3's rectangle could not be read: it is never under the mouse, not even at 0,0.
    const struct {
        Point point;
        int button;
    } cases[] = {{{10, 10}, 1}, {{20, 20}, 1}, {{15, 15}, 1}, {{21, 15}, 2},
                 {{9, 15}, 0},  {{31, 15}, 0}, {{15, 21}, 0}, {{0, 0}, 0}};
    for (const auto& test : cases) {
        EXPECT_EQ(ButtonAt(table, test.point), test.button) << test.point.x << "," << test.point.y;
    }
}

// The dialog with its fourteen buttons laid out in a row below the dialog's top-left corner.
class ChromeTest : public testing::StartedDialogTest {
  protected:
    void SetUp() override {
        for (int index = 1; index <= kButtonCount; ++index) {
            fake.controls.PlaceControl(ButtonControlId(index), ButtonRect(index));
        }
        Start();
    }
    static Rect ButtonRect(int index) { return {100 * index, 500, 100 * index + 80, 520}; }
    static Point Centre(const Rect& rect) {
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    Rgb Face(int index) const {
        return fake.controls.ButtonColoursOf(ButtonControlId(index)).value_or(ButtonColours{}).face;
    }
    // Indexes of the buttons shown in red.
    std::vector<int> Red() const {
        std::vector<int> red;
        for (int index = 1; index <= kButtonCount; ++index) {
            if (Face(index) == kRed) red.push_back(index);
        }
        return red;
    }
    void MouseTo(Point point) { fake.windows.SetCursor(point); }
    const Point background{20, 20};
    const Point outside{3000, 3000};
};

TEST_F(ChromeTest, ButtonsOneToEightShowTheirFacesAndTheOthersPaletteColours) {
    const Rgb faces[] = {{255, 239, 213}, {240, 255, 240}, {230, 230, 250}, {255, 239, 213},
                         {230, 230, 250}, {240, 255, 240}, {255, 255, 0},   {255, 255, 255}};
    for (int index = 1; index <= 8; ++index) {
        EXPECT_EQ(fake.controls.ButtonColoursOf(ButtonControlId(index)),
                  (ButtonColours{faces[index - 1], kBlack}))
            << index;
    }
    for (int index = 9; index <= kButtonCount; ++index) EXPECT_TRUE(InPalette(Face(index)));
    EXPECT_TRUE(Red().empty());
}

// This start's clock reads 2024-03-07 09:05:03.
TEST_F(ChromeTest, TheColoursOfButtonsNineToFourteenComeWithTheSecondOfTheStart) {
    auto facesAfterStartAt = [](int second) {
        testing::FakePlatform other;
        other.AddDialogWindow(kOwnTitle, {0, 0, 449, 405});
        other.clock.SetLocalTime({2024, 3, 7, 9, 5, second});
        CommandContext otherContext(other.platform());
        CKelvaneDlg otherDialog(otherContext);
        otherDialog.OnInitDialog();
        otherDialog.OnPaint();
        std::vector<std::optional<ButtonColours>> faces;
        for (int index = 9; index <= kButtonCount; ++index) {
            faces.push_back(other.controls.ButtonColoursOf(ButtonControlId(index)));
        }
        return faces;
    };
    std::vector<std::optional<ButtonColours>> faces;
    for (int index = 9; index <= kButtonCount; ++index) {
        faces.push_back(fake.controls.ButtonColoursOf(ButtonControlId(index)));
    }
    EXPECT_EQ(facesAfterStartAt(3), faces);
    EXPECT_NE(facesAfterStartAt(4), faces);
}

TEST_F(ChromeTest, FromTheBackgroundOntoAButtonAndBack) {
    MouseTo(background);
    dialog.OnMouseMove();
    EXPECT_EQ(fake.controls.mouseLeaveRequests(), std::vector<WindowHandle>{own});

    MouseTo(Centre(ButtonRect(3)));
    dialog.OnMouseLeave();
    EXPECT_EQ(Red(), std::vector<int>{3});
    EXPECT_EQ(fake.controls.ButtonColoursOf(IDC_BN_SAVEAS), (ButtonColours{kRed, kBlack}));

    // Ticks while the mouse stays on it keep the highlight without repainting.
    const int repaints = fake.controls.ButtonRepaints(IDC_BN_SAVEAS);
    dialog.OnTimer();
    EXPECT_EQ(Red(), std::vector<int>{3});
    EXPECT_EQ(fake.controls.ButtonRepaints(IDC_BN_SAVEAS), repaints);

    MouseTo(background);
    dialog.OnMouseMove();
    EXPECT_TRUE(Red().empty());
    EXPECT_EQ(Face(3), (Rgb{230, 230, 250}));
    EXPECT_EQ(fake.controls.mouseLeaveRequests().size(), 2u);
}

TEST_F(ChromeTest, FromOneButtonStraightOntoTheNextTheHighlightFollowsAtTheNextTick) {
    MouseTo(Centre(ButtonRect(7)));
    dialog.OnMouseLeave();
    MouseTo(Centre(ButtonRect(8)));
    // The buttons are child windows: the dialog hears nothing until the timer looks.
    EXPECT_EQ(Red(), std::vector<int>{7});
    dialog.OnTimer();
    EXPECT_EQ(Red(), std::vector<int>{8});
    EXPECT_EQ(Face(7), (Rgb{255, 255, 0}));
}

TEST_F(ChromeTest, LeavingTheDialogFromAButtonClearsTheHighlightAtTheNextTick) {
    MouseTo(Centre(ButtonRect(1)));
    dialog.OnMouseLeave();
    MouseTo(outside);
    EXPECT_EQ(Red(), std::vector<int>{1});
    dialog.OnTimer();
    EXPECT_TRUE(Red().empty());
    EXPECT_EQ(Face(1), (Rgb{255, 239, 213}));

    // Leaving the client area for somewhere other than a button lights nothing.
    dialog.OnMouseLeave();
    EXPECT_TRUE(Red().empty());
}

TEST_F(ChromeTest, AfterTheDialogMovedTheHoverTestUsesTheNewRectangles) {
    const Point oldPlaceOfButton1 = Centre(ButtonRect(1));
    fake.controls.MoveControls(0, 200);
    dialog.OnMove();

    MouseTo(oldPlaceOfButton1);
    dialog.OnMouseLeave();
    EXPECT_TRUE(Red().empty());

    MouseTo({oldPlaceOfButton1.x, oldPlaceOfButton1.y + 200});
    dialog.OnMouseLeave();
    EXPECT_EQ(Red(), std::vector<int>{1});
}

TEST_F(ChromeTest, AHighContrastThemeUsesTheSystemColoursAndAChangeRepaints) {
    fake.controls.SetHighContrast(true);
    dialog.OnSystemColoursChanged();
    const ButtonColours normal{fake.controls.SystemColourOf(SystemColour::ButtonFace),
                               fake.controls.SystemColourOf(SystemColour::ButtonText)};
    const ButtonColours hovered{fake.controls.SystemColourOf(SystemColour::Highlight),
                                fake.controls.SystemColourOf(SystemColour::HighlightText)};
    for (int index = 1; index <= kButtonCount; ++index) {
        EXPECT_EQ(fake.controls.ButtonColoursOf(ButtonControlId(index)), normal) << index;
    }
    MouseTo(Centre(ButtonRect(7)));
    dialog.OnMouseLeave();
    EXPECT_EQ(fake.controls.ButtonColoursOf(IDC_BN_SHOWMONRES), hovered);

    fake.controls.SetHighContrast(false);
    dialog.OnSystemColoursChanged();
    EXPECT_EQ(fake.controls.ButtonColoursOf(IDC_BN_SHOWMONRES), (ButtonColours{kRed, kBlack}));
    EXPECT_EQ(fake.controls.ButtonColoursOf(IDC_BN_PASTESIZE),
              (ButtonColours{{255, 255, 255}, kBlack}));
}

std::string SettingsFileBytes(const std::filesystem::path& folder) {
    std::ifstream in(folder / "_Settings" / "Settings.txt", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(ChromeTest, TopAfterTheFirstCaptureMakesTheDialogTopmostAtTheCapturedPlace) {
    fake.windows.SetWindowPos(own, kHwndTop, 120, 80, 0, 0, kSwpNoSize | kSwpNoZOrder);
    dialog.OnTimer();  // the first tick's capture records the dialog here
    fake.controls.ListClear(IDC_LB_INFO);
    // The user drags the dialog elsewhere; its buttons go with it.
    fake.windows.SetWindowPos(own, kHwndTop, 700, 300, 0, 0, kSwpNoSize | kSwpNoZOrder);
    fake.controls.MoveControls(580, 220);
    const std::size_t callsBefore = fake.windows.setWindowPosCalls().size();

    fake.controls.UserSetsCheck(IDC_CK_TOP, true);
    dialog.OnButtonClicked(IDC_CK_TOP);
    ASSERT_EQ(fake.windows.setWindowPosCalls().size(), callsBefore + 1);
    const auto& call = fake.windows.setWindowPosCalls().back();
    EXPECT_EQ(call.window, own);
    EXPECT_EQ(call.insertAfter, kHwndTopmost);
    EXPECT_EQ((std::vector<int>{call.x, call.y, call.cx, call.cy}),
              (std::vector<int>{120, 80, 449, 405}));
    EXPECT_EQ(call.flags, kSwpShowWindow);
    EXPECT_TRUE(fake.windows.window(own).topmost);
    EXPECT_EQ(fake.windows.GetWindowRect(own), (Rect{120, 80, 569, 485}));
    // The click writes no line, and the hover test uses where the buttons are after it.
    EXPECT_TRUE(Lines().empty());
    MouseTo({Centre(ButtonRect(2)).x + 580, Centre(ButtonRect(2)).y + 220});
    dialog.OnMouseLeave();
    EXPECT_EQ(Red(), std::vector<int>{2});

    fake.controls.UserSetsCheck(IDC_CK_TOP, false);
    dialog.OnButtonClicked(IDC_CK_TOP);
    EXPECT_EQ(fake.windows.setWindowPosCalls().back().insertAfter, kHwndNoTopmost);
    EXPECT_FALSE(fake.windows.window(own).topmost);

    fake.controls.UserSetsCheck(IDC_CK_TOP, true);
    dialog.OnButtonClicked(IDC_CK_TOP);
    dialog.OnCancel();
    EXPECT_NE(SettingsFileBytes(folder.path()).find("Topmost = True\r\n"), std::string::npos);
}

TEST_F(ChromeTest, TopBeforeTheFirstCaptureChangesOnlyTheCheckState) {
    const std::size_t callsBefore = fake.windows.setWindowPosCalls().size();
    const auto zOrder = fake.windows.zOrder();
    fake.controls.UserSetsCheck(IDC_CK_TOP, true);
    dialog.OnButtonClicked(IDC_CK_TOP);
    EXPECT_EQ(fake.windows.setWindowPosCalls().size(), callsBefore);
    EXPECT_EQ(fake.windows.zOrder(), zOrder);
    EXPECT_FALSE(fake.windows.window(own).topmost);
    EXPECT_TRUE(Lines().empty());
    dialog.OnCancel();
    EXPECT_NE(SettingsFileBytes(folder.path()).find("Topmost = True\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tilora
