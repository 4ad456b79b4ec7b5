// Building windows from layouts.
#include <gtest/gtest.h>

#include "ui/layout.h"

namespace zt::ui {
namespace {

namespace L = layout;

L::Form AutoLogonWindow() {
  return L::Form{
      .name = L"LogonTest",
      .caption = L"Logon",
      .clientWidth = 417,
      .clientHeight = 389,
      .borderStyle = BorderStyle::bsSingle,
      .borderIcons = {BorderIcon::biSystemMenu, BorderIcon::biMinimize},
      .position = Position::poScreenCenter,
      .keyPreview = true,
      .font = Font{.Name = L"Segoe UI", .Height = -11},
      .activeControl = L"Username",
      .children =
          {
              L::PageControl{
                  .name = L"SystemPage",
                  .at = {231, 56, 417, 389},
                  .activePage = L"AutoLogonTab",
                  .pages =
                      {
                          L::TabSheet{.name = L"LogonTab", .caption = L"Logon"},
                          L::TabSheet{
                              .name = L"AutoLogonTab",
                              .caption = L"Automatic Logon",
                              .children =
                                  {
                                      L::GroupBox{
                                          .name = L"AutoLogonBox",
                                          .caption = L"      Enable automatic logon",
                                          .at = {8, 8, 393, 200},
                                          .rows = {.left = 12, .top = 24, .height = 21, .gap = 4},
                                          .children =
                                              {
                                                  L::CheckBox{.name = L"AutoLogonCheckBox", .at = {10, 0, 13, 17}},
                                                  L::Label{.name = L"UserNameTextLabel", .caption = L"User name:"},
                                                  L::Edit{.name = L"Username",
                                                          .at = L::SameRow{.left = 120, .width = 150},
                                                          .enabled = false},
                                                  L::Label{.name = L"PasswrdUserTextLabel",
                                                           .caption = L"Password:",
                                                           .at = L::Row{.skip = 1}},
                                                  L::Edit{.name = L"PasswordUser",
                                                          .at = L::SameRow{.left = 120, .width = 150},
                                                          .passwordChar = L'\u25CF'},
                                                  L::Edit{.name = L"ALCountValue",
                                                          .text = L"1",
                                                          .at = L::Row{.indent = 100, .width = 40},
                                                          .readOnly = true},
                                                  L::UpDown{.name = L"UpDownALCount",
                                                            .at = L::SameRow{.left = 152, .width = 16},
                                                            .associate = L"ALCountValue",
                                                            .min = 1,
                                                            .max = 100,
                                                            .position = 1,
                                                            .thousands = false},
                                              }},
                                  }},
                      }},
              L::ComboBox{.name = L"CrashMode",
                          .at = {8, 400, 200, 21},
                          .items = {L"Show an error message (blue screen)", L"Automatically restart"},
                          .itemIndex = 1},
              L::PopupMenu{.name = L"PopupMenu",
                           .items = {{.name = L"StartUpPopup", .caption = L"Startup Manager"},
                                     {.caption = L"-"},
                                     {.name = L"Quit", .caption = L"Exit"}}},
              L::TrayIcon{.name = L"TrayIcon",
                          .hint = L"Zentory Assistant",
                          .balloonTimeout = 5000,
                          .popupMenu = L"PopupMenu"},
              L::Timer{.name = L"serviceTimer", .enabled = false, .interval = 3000},
              L::Frame{.name = L"MenuFrame",
                       .at = {0, 55, 222, 389},
                       .autoScroll = true,
                       .children = {L::Label{.name = L"System",
                                             .caption = L"System",
                                             .at = {32, 30, 100, 15},
                                             .font = Font{.Color = 0x4F3215},
                                             .cursor = Cursor::crHandPoint}}},
          },
  };
}

TEST(UiLayout, BuildsTheWindowAndFindsItsControlsByName) {
  Form form;
  L::Build(form, AutoLogonWindow());

  EXPECT_EQ(form.Caption(), L"Logon");
  EXPECT_EQ(form.ClientWidth(), 417);
  EXPECT_EQ(form.BorderIcons(), (Set<BorderIcon>{BorderIcon::biSystemMenu, BorderIcon::biMinimize}));
  auto& pages = form.Find<PageControl>(L"SystemPage");
  EXPECT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(pages.ActivePage()->Name(), L"AutoLogonTab");
  auto& box = form.Find<GroupBox>(L"autologonbox");  // names match without regard to case
  auto& onFrame = form.Find<CheckBox>(L"AutoLogonCheckBox");
  EXPECT_EQ(onFrame.Parent(), &box);
  EXPECT_EQ(onFrame.Top(), 0) << "the check box sits on the box's frame";
  EXPECT_EQ(onFrame.Caption(), L"");
  EXPECT_EQ(box.Parent()->Parent(), &pages);

  EXPECT_FALSE(form.Find<Edit>(L"Username").Enabled());
  EXPECT_EQ(form.Find<Edit>(L"PasswordUser").PasswordChar(), L'\u25CF');
  EXPECT_EQ(form.ActiveControl(), &form.Find<Edit>(L"Username"));
  EXPECT_EQ(form.Find<ComboBox>(L"CrashMode").Text(), L"Automatically restart");
  EXPECT_FALSE(form.Find<Timer>(L"serviceTimer").Enabled());
  EXPECT_EQ(form.Find<TrayIcon>(L"TrayIcon").PopupMenu(), &form.Find<PopupMenu>(L"PopupMenu"));
  EXPECT_EQ(form.Find<PopupMenu>(L"PopupMenu").Count(), 3);
}

TEST(UiLayout, RowsAndSameRowPlaceControlsOnTheGrid) {
  Form form;
  L::Build(form, AutoLogonWindow());
  struct Case {
    const wchar_t* name;
    Bounds bounds;
  };
  // Box 393 wide, rows from (12, 24), 21 high, 4 apart, 8 right margin.
  const Case cases[] = {
      {L"UserNameTextLabel", {12, 24, 373, 21}},    {L"Username", {120, 24, 150, 21}},
      {L"PasswrdUserTextLabel", {12, 74, 373, 21}}, {L"PasswordUser", {120, 74, 150, 21}},
      {L"ALCountValue", {112, 99, 40, 21}},         {L"UpDownALCount", {152, 99, 16, 21}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.name));
    EXPECT_EQ(form.Find<Control>(c.name).BoundsRect(), c.bounds);
  }
}

TEST(UiLayout, ReferencesAndFontsAreSetUp) {
  Form form;
  L::Build(form, AutoLogonWindow());
  auto& upDown = form.Find<UpDown>(L"UpDownALCount");
  EXPECT_EQ(upDown.Associate(), &form.Find<Edit>(L"ALCountValue"));
  EXPECT_EQ(upDown.Associate()->Text(), L"1");
  EXPECT_EQ(form.Find<Edit>(L"Username").Font().Name, L"Segoe UI") << "children take the form's font";
  auto& item = form.Find<Label>(L"MenuFrame.System");
  EXPECT_EQ(item.Owner(), &form.Find<Frame>(L"MenuFrame")) << "a frame owns its components";
  EXPECT_EQ(form.FindComponent(L"System"), nullptr);
  EXPECT_EQ(item.Font().Color, 0x4F3215u);
  EXPECT_EQ(item.Cursor(), Cursor::crHandPoint);
}

TEST(UiLayout, MistakesInALayoutThrow) {
  Form form;
  EXPECT_THROW(L::Build(form, L::Form{.children = {L::UpDown{.name = L"U", .associate = L"Missing"}}}),
               ComponentNotFound);
  Form twice;
  EXPECT_THROW(L::Build(twice, L::Form{.children = {L::Label{.name = L"Same"}, L::Edit{.name = L"same"}}}),
               std::invalid_argument);
  Form typed;
  L::Build(typed, L::Form{.children = {L::Label{.name = L"Caption"}}});
  EXPECT_THROW(typed.Find<Edit>(L"Caption"), ComponentNotFound);
}

TEST(UiLayout, BuildingFiresNoEvents) {
  Form form;
  int events = 0;
  form.OnShow = [&] { ++events; };
  L::Build(form, L::Form{.children = {L::CheckBox{.name = L"C", .checked = true},
                                      L::TrackBar{.name = L"T", .min = 0, .max = 3, .position = 3}}});
  auto& box = form.Find<CheckBox>(L"C");
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(form.Find<TrackBar>(L"T").Position(), 3);
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(form.Visible()) << "a form starts hidden";
}

TEST(UiLayout, MoreControlsCanBeBuiltAtRunTime) {
  Form form;
  L::Build(form, AutoLogonWindow());
  auto& box = form.Find<GroupBox>(L"AutoLogonBox");
  L::Build(form, box, {L::Label{.name = L"Extra", .caption = L"Added later"}},
           L::Rows{.left = 5, .top = 150});
  auto& extra = form.Find<Label>(L"Extra");
  EXPECT_EQ(extra.Parent(), &box);
  EXPECT_EQ(extra.Top(), 150);
}

}  // namespace
}  // namespace zt::ui
