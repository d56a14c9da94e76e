// The designer's rules without a window: zoom and unit arithmetic, paper sizes, new objects,
// hit tests and handles, dragging, restacking, rulers, the context menu table and the fields of
// the object dialogs.
#include <climits>
#include <cmath>
#include <limits>
#include <variant>

#include <gtest/gtest.h>

#include "layout/object_dialog_rules.h"
#include "layout/object_menu_rules.h"
#include "layout/page_design_units.h"
#include "layout/page_object_edits.h"
#include "layout/page_object_geometry.h"
#include "layout/page_paper.h"
#include "layout/page_ruler.h"
#include "page_layout_test_support.h"

namespace qm {
namespace {

using test::addObject;
using test::decodeLayout;
using test::layoutImage;

// A Letter layout in inches at the zoom with objects of the kinds and bounds given.
PageLayoutRecord layoutWith(std::initializer_list<std::pair<PageObjectKind, PageBounds>> objects, int zoom = 2)
{
    auto image = layoutImage("Page", "Letter", 8.5, 11, 612, 792, static_cast<std::int16_t>(objects.size()));
    image.i16(66, static_cast<std::int16_t>(zoom));
    int k = 0;
    for (const auto& [kind, b] : objects)
        addObject(image, ++k, static_cast<std::int16_t>(kind), b.Left, b.Top, b.Right, b.Bottom);
    return decodeLayout(image.bytes());
}

bool sameBounds(const PageBounds& a, const PageBounds& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

struct ZoomCase {
    int from, to;
    std::int32_t value, expected;
};
void PrintTo(const ZoomCase& c, std::ostream* out) { *out << c.value << " zoom " << c.from << " to " << c.to; }
class ZoomScaling : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomScaling, UsesTheStoredFactorsAndTruncates)
{
    const ZoomCase c = GetParam();
    EXPECT_EQ(scaledCoordinate(c.value, zoomFactor(c.from, c.to)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZoomScaling,
    ::testing::Values(ZoomCase{1, 2, 100, 150}, ZoomCase{2, 1, 150, 100},  // trunc(100.05): back to 100
                      ZoomCase{2, 1, 100, 66}, ZoomCase{2, 3, 100, 133}, ZoomCase{1, 3, 100, 200},
                      ZoomCase{3, 1, 101, 50}, ZoomCase{3, 2, 101, 75}, ZoomCase{2, 2, 77, 77},
                      ZoomCase{2, 1, -100, -66},                                           // towards zero
                      ZoomCase{1, 3, INT_MAX, INT_MAX}, ZoomCase{1, 3, INT_MIN, INT_MIN},  // held to 32 bits
                      ZoomCase{0, 9, 100, 200}, ZoomCase{-4, 2, 100, 150}));               // stored zooms clamped

TEST(PageDesignUnits, ChangingTheUnitTruncatesToTwoDecimalsAndRescalesObjects)
{
    PageLayoutRecord layout = layoutWith({{PageObjectKind::Title, {72, 36, 216, 54}}});
    changeUnit(layout, false);
    EXPECT_DOUBLE_EQ(layout.PageWidth, 21.59);
    EXPECT_DOUBLE_EQ(layout.PageHeight, 27.94);
    EXPECT_FALSE(static_cast<bool>(layout.Inches));
    EXPECT_TRUE(sameBounds(layout.Objects[0].Bounds, {76, 38, 228, 57}));
    changeUnit(layout, false);  // already centimetres: nothing
    EXPECT_DOUBLE_EQ(layout.PageWidth, 21.59);
    changeUnit(layout, true);
    EXPECT_DOUBLE_EQ(layout.PageWidth, 8.49);
    EXPECT_DOUBLE_EQ(layout.PageHeight, 11);
    EXPECT_TRUE(sameBounds(layout.Objects[0].Bounds, {71, 35, 215, 53}));
}

TEST(PageDesignUnits, PagePixelsAreTruncatedAndHeldToADrawablePage)
{
    EXPECT_EQ(pagePixels(8.5, 72), 612);
    EXPECT_EQ(pagePixels(21.59, 30), 647);
    EXPECT_EQ(pagePixels(1e9, 96), kMaxPagePixels);
    EXPECT_EQ(pagePixels(-3, 96), 1);
    EXPECT_EQ(pagePixels(std::numeric_limits<double>::quiet_NaN(), 96), 1);
}

struct PaperCase {
    const char* name;
    bool portrait;
    double width, height;
    bool inches, warns;
};
void PrintTo(const PaperCase& c, std::ostream* out) { *out << c.name << (c.portrait ? " portrait" : " landscape"); }
class PaperChoice : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperChoice, SetsSizeAndUnitButLeavesTheObjects)
{
    const PaperCase c = GetParam();
    PageLayoutRecord layout = layoutWith({{PageObjectKind::Puzzle, {10, 20, 30, 40}}});
    layout.Portrait = c.portrait;
    layout.PageWidth = 5;
    layout.PageHeight = 6;
    EXPECT_EQ(choosePaper(layout, c.name), c.warns);
    EXPECT_EQ(layout.PaperName.text(), c.name);
    EXPECT_DOUBLE_EQ(layout.PageWidth, c.width);
    EXPECT_DOUBLE_EQ(layout.PageHeight, c.height);
    EXPECT_EQ(static_cast<bool>(layout.Inches), c.inches);
    EXPECT_TRUE(sameBounds(layout.Objects[0].Bounds, {10, 20, 30, 40}));
}

INSTANTIATE_TEST_SUITE_P(Papers, PaperChoice,
                         ::testing::Values(PaperCase{"Letter", true, 8.5, 11, true, false},
                                           PaperCase{"Legal", false, 14, 8.5, true, false},
                                           PaperCase{"A4", true, 21, 29.7, false, false},
                                           PaperCase{"A5", true, 14.8, 21, false, true},
                                           PaperCase{"B5", false, 25.7, 18.2, false, true},
                                           PaperCase{"Executive", true, 7.25, 10.5, true, true},
                                           PaperCase{"Custom", true, 5, 6, true, true}));

TEST(PagePaper, OrientationExchangesTheSidesOnlyWhenItChanges)
{
    PageLayoutRecord layout = layoutWith({});
    setOrientation(layout, true);
    EXPECT_DOUBLE_EQ(layout.PageWidth, 8.5);
    setOrientation(layout, false);
    EXPECT_DOUBLE_EQ(layout.PageWidth, 11);
    EXPECT_DOUBLE_EQ(layout.PageHeight, 8.5);
    EXPECT_FALSE(choosePaper(layout, "Tabloid")) << "an unknown paper changes nothing";
    EXPECT_EQ(layout.PaperName.text(), "Letter");
}

struct CustomSizeCase {
    const char* text;
    PageSide side;
    bool inches;
    std::optional<double> expected;
};
void PrintTo(const CustomSizeCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }
class CustomSize : public ::testing::TestWithParam<CustomSizeCase> {};

TEST_P(CustomSize, TakesTheLeadingNumberWithinInclusiveBounds)
{
    const CustomSizeCase c = GetParam();
    EXPECT_EQ(customPageSize(c.text, c.side, c.inches), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, CustomSize,
    ::testing::Values(CustomSizeCase{"3", PageSide::Width, true, 3},
                      CustomSizeCase{" 18.00 ", PageSide::Width, true, 18},
                      CustomSizeCase{"2.99", PageSide::Width, true, std::nullopt},
                      CustomSizeCase{"18.01", PageSide::Width, true, std::nullopt},
                      CustomSizeCase{"3.9", PageSide::Height, true, std::nullopt},
                      CustomSizeCase{"4", PageSide::Height, true, 4}, CustomSizeCase{"7", PageSide::Width, false, 7},
                      CustomSizeCase{"46", PageSide::Height, false, 46},
                      CustomSizeCase{"9.5", PageSide::Height, false, std::nullopt},
                      CustomSizeCase{"12in", PageSide::Width, true, 12},  // the leading number counts
                      CustomSizeCase{"8,5", PageSide::Width, true, 8},    // a comma ends the number
                      CustomSizeCase{"wide", PageSide::Width, true, std::nullopt},
                      CustomSizeCase{"", PageSide::Height, false, std::nullopt},
                      CustomSizeCase{"nan", PageSide::Width, true, std::nullopt}));

TEST(PagePaper, SizeMessagesNameTheBoundsAndTheUnit)
{
    EXPECT_EQ(customSizeRefusal(PageSide::Width, true).message,
              "Width must be between 3 and 18 inches.  Please re-enter width.");
    EXPECT_EQ(customSizeRefusal(PageSide::Width, false).message,
              "Width must be between 7 and 46 centimeters.  Please re-enter width.");
    EXPECT_EQ(customSizeRefusal(PageSide::Height, true).message,
              "Height must be between 4 and 18 inches.  Please re-enter height.");
    EXPECT_EQ(customSizeRefusal(PageSide::Height, false).message,
              "Height must be between 10 and 46 centimeters.  Please re-enter height.");
    EXPECT_EQ(customSizeRefusal(PageSide::Height, false).caption, "Error");
    EXPECT_EQ(sizeFieldText(21.59), "21.59");
    EXPECT_EQ(sizeFieldText(8.5), "8.50");
}

struct NewObjectCase {
    PageObjectKind kind;
    int p;
    int width, height;
};
void PrintTo(const NewObjectCase& c, std::ostream* out)
{
    *out << "kind " << static_cast<int>(c.kind) << " at " << c.p;
}
class NewObjectSize : public ::testing::TestWithParam<NewObjectCase> {};

TEST_P(NewObjectSize, FollowsTheKindAndThePixelsPerUnit)
{
    const NewObjectCase c = GetParam();
    const PixelSize size = newObjectSize(c.kind, c.p);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NewObjectSize,
                         ::testing::Values(NewObjectCase{PageObjectKind::Title, 72, 144, 18},
                                           NewObjectCase{PageObjectKind::Puzzle, 72, 216, 216},
                                           NewObjectCase{PageObjectKind::Words, 72, 144, 216},
                                           NewObjectCase{PageObjectKind::Bonus, 30, 120, 7},  // a quarter truncated
                                           NewObjectCase{PageObjectKind::Circle, 48, 96, 96},
                                           NewObjectCase{PageObjectKind::Bitmap, 40, 80, 80}));

TEST(PageObjectEdits, NewObjectsAreNumberedByKindWithTheirDefaults)
{
    PageLayoutRecord layout = layoutWith({});
    EXPECT_EQ(addNewObject(layout, PageObjectKind::Text, 10, 20, 72), 1);
    EXPECT_EQ(addNewObject(layout, PageObjectKind::Circle, 0, 0, 72), 2);
    EXPECT_EQ(addNewObject(layout, PageObjectKind::Text, 5, 5, 72), 3);
    EXPECT_EQ(addNewObject(layout, PageObjectKind::Title, 5, 5, 72), 4);
    EXPECT_EQ(layout.ObjectCount, 4);
    EXPECT_EQ(layout.Objects[0].Name.text(), "Text 1");
    EXPECT_EQ(layout.Objects[1].Name.text(), "Circle 1");
    EXPECT_EQ(layout.Objects[2].Name.text(), "Text 2");
    EXPECT_EQ(layout.Objects[3].Name.text(), "Title");
    EXPECT_TRUE(sameBounds(layout.Objects[0].Bounds, {10, 20, 154, 164}));
    EXPECT_EQ(layout.Objects[3].Alignment, 2);
    EXPECT_EQ(layout.Objects[0].Alignment, 1);
    EXPECT_EQ(layout.Objects[0].FontName.text(), "Arial");
    EXPECT_EQ(addNewObject(layout, PageObjectKind::Title, 5, 5, 72), 0) << "one Title at most";
}

TEST(PageObjectEdits, ToolsAreEnabledForOneOfEachSingleKindAndUpToTwentyObjects)
{
    PageLayoutRecord layout = layoutWith({{PageObjectKind::Title, {}}, {PageObjectKind::Bonus, {}}});
    EXPECT_FALSE(toolEnabled(layout, PageObjectKind::Title));
    EXPECT_FALSE(toolEnabled(layout, PageObjectKind::Bonus));
    EXPECT_TRUE(toolEnabled(layout, PageObjectKind::Puzzle));
    EXPECT_TRUE(toolEnabled(layout, PageObjectKind::Words));
    EXPECT_TRUE(toolEnabled(layout, PageObjectKind::Text));
    deleteObject(layout, 1);
    EXPECT_TRUE(toolEnabled(layout, PageObjectKind::Title)) << "deleting the Title frees its tool";
    while (usedObjectCount(layout) < kMaxPageObjects) addNewObject(layout, PageObjectKind::Rectangle, 0, 0, 48);
    for (const auto kind : {PageObjectKind::Title, PageObjectKind::Text, PageObjectKind::Rectangle})
        EXPECT_FALSE(toolEnabled(layout, kind));
    EXPECT_EQ(layout.Objects[19].Name.text(), "Rectangle 19");
}

TEST(PageObjectEdits, DeletingAndRestackingCloseUpTheSlots)
{
    const auto names = [](const PageLayoutRecord& layout) {
        std::string all;
        for (int k = 0; k < usedObjectCount(layout); ++k) all += layout.Objects[k].Name.text() + ";";
        return all;
    };
    PageLayoutRecord layout = layoutWith({});
    for (const char* name : {"A", "B", "C"}) {
        addNewObject(layout, PageObjectKind::Text, 0, 0, 72);
        layout.Objects[layout.ObjectCount - 1].Name.assign(name);
    }
    PageLayoutRecord deleted = layout;
    deleteObject(deleted, 1);
    EXPECT_EQ(names(deleted), "B;C;");
    PageLayoutRecord front = layout;
    bringToFront(front, 1);
    EXPECT_EQ(names(front), "B;C;A;");
    PageLayoutRecord back = layout;
    sendToBack(back, 3);
    EXPECT_EQ(names(back), "C;A;B;");
    deleteObject(back, 4);  // no such object
    EXPECT_EQ(names(back), "C;A;B;");
}

TEST(PageObjectGeometry, HitTestsFindTheTopmostObjectWithEdgesIncluded)
{
    const PageLayoutRecord layout =
        layoutWith({{PageObjectKind::Puzzle, {10, 10, 100, 100}}, {PageObjectKind::Title, {50, 50, 60, 60}}});
    EXPECT_EQ(objectAt(layout, {55, 55}), 2);
    EXPECT_EQ(objectAt(layout, {60, 60}), 2);
    EXPECT_EQ(objectAt(layout, {61, 60}), 1);
    EXPECT_EQ(objectAt(layout, {100, 10}), 1);
    EXPECT_EQ(objectAt(layout, {101, 10}), 0);
    // A click tests the press for the top-left and the release for the bottom-right.
    EXPECT_EQ(objectClicked(layout, {50, 50}, {60, 60}), 2);
    EXPECT_EQ(objectClicked(layout, {50, 50}, {70, 60}), 1);
    EXPECT_EQ(objectClicked(layout, {5, 50}, {20, 20}), 0);
}

struct HandleCase {
    PixelPoint point;
    DragType expected;
};
void PrintTo(const HandleCase& c, std::ostream* out) { *out << c.point.x << "," << c.point.y; }
class HandleZones : public ::testing::TestWithParam<HandleCase> {};

TEST_P(HandleZones, AreTestedCornersFirstWithInclusiveZones)
{
    // Left 100, Top 200, Right 200, Bottom 260: middles at 150 and 230.
    EXPECT_EQ(handleAt({100, 200, 200, 260}, GetParam().point), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, HandleZones,
    ::testing::Values(HandleCase{{98, 198}, DragType::TopLeft}, HandleCase{{103, 203}, DragType::TopLeft},
                      HandleCase{{104, 200}, DragType::None}, HandleCase{{197, 200}, DragType::TopRight},
                      HandleCase{{202, 203}, DragType::TopRight}, HandleCase{{100, 257}, DragType::BottomLeft},
                      HandleCase{{202, 262}, DragType::BottomRight}, HandleCase{{147, 200}, DragType::Top},
                      HandleCase{{152, 198}, DragType::Top}, HandleCase{{153, 200}, DragType::None},
                      HandleCase{{150, 262}, DragType::Bottom}, HandleCase{{98, 227}, DragType::Left},
                      HandleCase{{200, 232}, DragType::Right}, HandleCase{{200, 233}, DragType::None},
                      HandleCase{{150, 230}, DragType::None}));

TEST(PageObjectGeometry, HandlesAreFiveSquaresOnCornersAndMiddles)
{
    const auto handles = selectionHandles({100, 200, 200, 260});
    const std::array<std::pair<int, int>, 8> expected = {
        {{98, 198}, {147, 198}, {197, 198}, {98, 227}, {197, 227}, {98, 257}, {147, 257}, {197, 257}}};
    for (std::size_t i = 0; i < handles.size(); ++i) {
        EXPECT_EQ(handles[i].left, expected[i].first) << i;
        EXPECT_EQ(handles[i].top, expected[i].second) << i;
        // Every handle's own zone gives its drag type.
        EXPECT_EQ(handleAt({100, 200, 200, 260}, {handles[i].left + 2, handles[i].top + 2}),
                  static_cast<DragType>(i + 1));
    }
}

struct DragCase {
    DragType type;
    int dx, dy;
    PageBounds expected;
};
void PrintTo(const DragCase& c, std::ostream* out)
{
    *out << "type " << static_cast<int>(c.type) << " by " << c.dx << "," << c.dy;
}
class Dragging : public ::testing::TestWithParam<DragCase> {};

TEST_P(Dragging, MovesTheEdgesOfTheTypeAndNormalises)
{
    const DragCase c = GetParam();
    EXPECT_TRUE(sameBounds(draggedBounds({10, 20, 50, 60}, c.type, c.dx, c.dy), c.expected));
}

INSTANTIATE_TEST_SUITE_P(Types, Dragging,
                         ::testing::Values(DragCase{DragType::Move, -15, 5, {-5, 25, 35, 65}},
                                           DragCase{DragType::TopLeft, 5, 5, {15, 25, 50, 60}},
                                           DragCase{DragType::TopLeft, 60, 70, {50, 60, 70, 90}},  // past the corner
                                           DragCase{DragType::Top, 9, 9, {10, 29, 50, 60}},
                                           DragCase{DragType::TopRight, -50, 0, {0, 20, 10, 60}},
                                           DragCase{DragType::Left, 3, 3, {13, 20, 50, 60}},
                                           DragCase{DragType::Right, 3, 3, {10, 20, 53, 60}},
                                           DragCase{DragType::BottomLeft, 1, -50, {11, 10, 50, 20}},
                                           DragCase{DragType::Bottom, 4, 4, {10, 20, 50, 64}},
                                           DragCase{DragType::BottomRight, -2, -2, {10, 20, 48, 58}}));

TEST(PageObjectGeometry, DraggingStoredExtremesStaysWithin32Bits)
{
    const PageBounds b = draggedBounds({INT_MAX - 1, 0, INT_MAX, 10}, DragType::Move, 100, 0);
    EXPECT_EQ(b.Left, INT_MAX);
    EXPECT_EQ(b.Right, INT_MAX);
}

TEST(PageRuler, InchTicksCoverEveryWholeUnitAndTheRestOfThePage)
{
    const std::vector<RulerTick> ticks = rulerTicks(8.5, 48, true);
    std::vector<RulerTick> majors;
    for (const RulerTick& tick : ticks)
        if (tick.label) majors.push_back(tick);
    ASSERT_EQ(majors.size(), 8u);
    EXPECT_EQ(majors.front().position, 48);
    EXPECT_EQ(majors.back().position, 384);
    EXPECT_EQ(majors.back().label, 8);
    EXPECT_EQ(majors.back().start, 15);
    // The half inch left over: the half at 408 from 18, quarters from 21, eighths from 24.
    std::vector<std::pair<int, int>> past;
    for (const RulerTick& tick : ticks)
        if (tick.position > 384) past.emplace_back(tick.position, tick.start);
    EXPECT_EQ(past, (std::vector<std::pair<int, int>>{{408, 18}, {396, 21}, {390, 24}, {402, 24}}));
    // Before inch 1: the half, the quarters and the eighths.
    std::vector<int> first;
    for (const RulerTick& tick : ticks)
        if (tick.position < 48) first.push_back(tick.position);
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, (std::vector<int>{6, 12, 18, 24, 30, 36, 42}));
}

TEST(PageRuler, CentimetreTicksMarkTenthsWithALongerHalf)
{
    const std::vector<RulerTick> ticks = rulerTicks(1.2, 30, false);
    std::vector<std::pair<int, int>> all;
    for (const RulerTick& tick : ticks) all.emplace_back(tick.position, tick.start);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<std::pair<int, int>>{{3, 24},
                                                     {6, 24},
                                                     {9, 24},
                                                     {12, 24},
                                                     {15, 20},
                                                     {18, 24},
                                                     {21, 24},
                                                     {24, 24},
                                                     {27, 24},
                                                     {30, 15},
                                                     {33, 24},
                                                     {36, 24}}));
}

struct MenuCase {
    std::int16_t kind;
    std::set<ObjectCommand> disabled;
};
void PrintTo(const MenuCase& c, std::ostream* out) { *out << "kind " << c.kind; }
class ContextMenuTable : public ::testing::TestWithParam<MenuCase> {};

TEST_P(ContextMenuTable, DisablesByKind) { EXPECT_EQ(disabledCommands(GetParam().kind), GetParam().disabled); }

using C = ObjectCommand;
INSTANTIATE_TEST_SUITE_P(
    Kinds, ContextMenuTable,
    ::testing::Values(MenuCase{1, {C::ChangeText, C::LoadBitmap, C::Fill}},
                      MenuCase{2, {C::ChangeText, C::TextAlignment, C::LoadBitmap, C::Border, C::Fill}},
                      MenuCase{7, {C::ChangeText, C::TextAlignment, C::LoadBitmap, C::Fill}},
                      MenuCase{8, {C::ChangeText, C::LoadBitmap, C::Fill}}, MenuCase{10, {C::LoadBitmap, C::Fill}},
                      MenuCase{11, {C::TextFont, C::ChangeText, C::TextAlignment, C::Fill}},  // Properties: Tile
                      MenuCase{12, {C::Properties, C::ChangeText, C::TextFont, C::TextAlignment, C::LoadBitmap}},
                      MenuCase{13, {C::Properties, C::ChangeText, C::TextFont, C::TextAlignment, C::LoadBitmap}},
                      MenuCase{99,
                               {C::Properties, C::Border, C::Fill, C::ChangeText, C::TextAlignment, C::TextFont,
                                C::LoadBitmap}}));

struct DecimalCase {
    const char* text;
    std::optional<double> expected;
};
void PrintTo(const DecimalCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }
class CompleteDecimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(CompleteDecimal, ParsesTheWholeTextWithAPoint)
{
    EXPECT_EQ(completeDecimal(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CompleteDecimal,
                         ::testing::Values(DecimalCase{"1.5", 1.5}, DecimalCase{" 2 ", 2}, DecimalCase{"+0.25", 0.25},
                                           DecimalCase{"-0.5", -0.5}, DecimalCase{".5", 0.5},
                                           DecimalCase{"1,5", std::nullopt}, DecimalCase{"1.5cm", std::nullopt},
                                           DecimalCase{"", std::nullopt}, DecimalCase{"+-1", std::nullopt},
                                           DecimalCase{"inf", std::nullopt}, DecimalCase{"nan", std::nullopt},
                                           DecimalCase{"1e999", std::nullopt}));

TEST(ObjectDialogRules, RoundsHalvesToEven)
{
    const std::pair<double, double> cases[] = {{0.5, 0},    {1.5, 2},  {2.5, 2},   {3.5, 4},   {2.4999, 2},
                                               {2.5001, 3}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {7, 7}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(roundHalfEven(value), expected) << value;
}

struct SizeLocationCase {
    SizeLocationTexts texts;
    int p;
    std::variant<PageBounds, SizeLocationField> expected;
};
void PrintTo(const SizeLocationCase& c, std::ostream* out)
{
    *out << c.texts.left << " " << c.texts.top << " " << c.texts.width << " " << c.texts.height;
}
class SizeLocation : public ::testing::TestWithParam<SizeLocationCase> {};

TEST_P(SizeLocation, ChecksTheFieldsInOrderAndRoundsToPixels)
{
    const SizeLocationCase c = GetParam();
    const auto result = boundsFromFields(c.texts, c.p);
    if (const auto* bounds = std::get_if<PageBounds>(&c.expected)) {
        ASSERT_TRUE(std::holds_alternative<PageBounds>(result));
        const PageBounds got = std::get<PageBounds>(result);
        EXPECT_TRUE(sameBounds(got, *bounds)) << got.Left << " " << got.Top << " " << got.Right << " " << got.Bottom;
    } else {
        ASSERT_TRUE(std::holds_alternative<FieldRefusal>(result));
        EXPECT_EQ(std::get<FieldRefusal>(result).field, std::get<SizeLocationField>(c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SizeLocation,
    ::testing::Values(SizeLocationCase{{"1.5", "0", "2", "0.25"}, 72, PageBounds{108, 0, 252, 18}},
                      SizeLocationCase{{"0.125", "0.375", "0.625", "0.125"}, 20, PageBounds{2, 8, 14, 10}},  // halves
                      SizeLocationCase{{"-0.5", "x", "x", "x"}, 72, SizeLocationField::Left},
                      SizeLocationCase{{"1,5", "0", "2", "1"}, 72, SizeLocationField::Left},
                      SizeLocationCase{{"0", "-1", "2", "1"}, 72, SizeLocationField::Top},
                      SizeLocationCase{{"0", "0", "0", "1"}, 72, SizeLocationField::Width},
                      SizeLocationCase{{"0", "0", "1", "0.0"}, 72, SizeLocationField::Height},
                      SizeLocationCase{{"0", "0", "1", " "}, 72, SizeLocationField::Height},
                      SizeLocationCase{{"999999", "0", "999999", "1"}, 96, PageBounds{95999904, 0, 191999808, 96}}));

TEST(ObjectDialogRules, FieldsOpenWithThreeDecimalsInTheUnit)
{
    const SizeLocationTexts texts = sizeLocationTexts({108, 0, 252, 18}, 72);
    EXPECT_EQ(texts.left, "1.500");
    EXPECT_EQ(texts.top, "0.000");
    EXPECT_EQ(texts.width, "2.000");
    EXPECT_EQ(texts.height, "0.250");
    EXPECT_EQ(sizeLocationTexts({INT_MIN, 0, INT_MAX, 0}, 20).width, "214748364.750");
}

TEST(ObjectDialogRules, TheOffPageQuestionComesOnlyWhenTheCornerLeavesThePage)
{
    EXPECT_TRUE(placesOffPage({612, 0, 700, 10}, 612, 792)) << "exactly at the page width";
    EXPECT_FALSE(placesOffPage({611, 0, 5000, 10}, 612, 792)) << "one pixel inside, however wide";
    EXPECT_TRUE(placesOffPage({0, 792, 10, 800}, 612, 792));
    EXPECT_FALSE(placesOffPage({0, 791, 10, 800}, 612, 792));
}

TEST(ObjectDialogRules, WholeFieldsReadTheirLeadingDigitsAndMustBePositive)
{
    EXPECT_EQ(positiveWholeField("0"), std::nullopt);
    EXPECT_EQ(positiveWholeField("7"), 7);
    EXPECT_EQ(positiveWholeField(" 3x"), 3);
    EXPECT_EQ(positiveWholeField("-2"), std::nullopt);
    EXPECT_EQ(positiveWholeField(""), std::nullopt);
}

}  // namespace
}  // namespace qm
