#include "app/main_form_layout.h"

namespace zt {

namespace L = ui::layout;
using ui::Font;
using ui::FontStyle;

namespace {

constexpr ui::TColor kConsoleColor = 0xE3E3E3;
constexpr ui::TColor kHeaderTextColor = 0x4F3215;

std::vector<L::Node> Pages() {
  std::vector<L::Node> pages;
  for (std::wstring_view name : kMainPageNames)
    pages.push_back(L::PageControl{.name = std::wstring(name),
                                   .at = {231, 56, 417, 389},
                                   .visible = name == kMainPageNames[0]});
  return pages;
}

}  // namespace

ui::layout::Form MainFormLayout() {
  std::vector<L::Node> children = {
      // Header.
      L::Label{.name = L"LabelOS",
               .at = {14, 11, 450, 19},
               .font = Font{.Height = -15, .Color = kHeaderTextColor, .Style = {FontStyle::fsBold}}},
      L::Label{.name = L"LabelSP", .at = {14, 31, 450, 15}, .font = Font{.Color = kHeaderTextColor}},
      L::Image{.name = L"RebootIcon",
               .at = {590, 16, 24, 24},
               .picture = {.resourceName = L"MARKER_REBOOT"},
               .visible = false,
               .cursor = ui::Cursor::crHandPoint},
      L::Image{.name = L"ReloadExplorerIcon",
               .at = {620, 16, 24, 24},
               .picture = {.resourceName = L"MARKER_EXPLORER"},
               .visible = false,
               .cursor = ui::Cursor::crHandPoint},
      // Navigation column and the separator beside it.
      L::Frame{.name = L"MenuFrame", .at = {0, 55, 222, 389}, .autoScroll = true},
      L::Bevel{.name = L"MainPNGBevel",
               .at = {224, 56, 2, 389},
               .shape = ui::BevelShape::bsLeftLine},
  };
  for (auto& page : Pages()) children.push_back(std::move(page));
  std::vector<L::Node> bottom = {
      L::SpeedButton{.name = L"ShowConsole",
                     .caption = L"Console",
                     .at = {10, 465, 82, 25},
                     .groupIndex = 1,
                     .allowAllUp = true,
                     .hint = L"Show/Hide Console"},
      L::SpeedButton{.name = L"SRBtn",
                     .caption = L"Restore Point",
                     .at = {98, 465, 100, 25},
                     .hint = L"Create a Restore Point"},
      L::Button{.name = L"Apply", .caption = L"Apply", .at = {484, 465, 77, 25}, .enabled = false},
      L::Button{.name = L"Cancel", .caption = L"Cancel", .at = {567, 465, 77, 25}, .enabled = false},
      // The console lies below the bottom edge until the window grows.
      L::Memo{.name = L"Console",
              .at = {10, 499, 636, 60},
              .readOnly = true,
              .scrollBars = ui::ScrollStyle::ssVertical,
              .hideSelection = false,
              .visible = false,
              .font = Font{.Name = L"Calibri", .Height = -11, .Color = ui::clBlack},
              .color = kConsoleColor},
      L::Edit{.name = L"ConsoleSearch",
              .text = L"Search",
              .at = {10, 567, 152, 21},
              .font = Font{.Color = 0x696969},
              .color = kConsoleColor},
      L::PopupMenu{.name = L"PopupConsole",
                   .alignment = ui::PopupAlignment::paCenter,
                   .items = {{.name = L"GoToKey", .caption = L"Jump To..."},
                             {.name = L"N1", .caption = L"-"},
                             {.name = L"CopyToClbrd", .caption = L"Copy"}}},
      // Tray icon of the assistant, with its menu.
      L::PopupMenu{.name = L"PopupMenu",
                   .items = {{.name = L"StartUpPopup", .caption = L"Startup Manager"},
                             {.name = L"RemoveProgsPopup", .caption = L"Uninstall Manager"},
                             {.name = L"N2", .caption = L"-"},
                             {.name = L"ReloadExp", .caption = L"Restart Explorer"},
                             {.name = L"ReloadSys", .caption = L"Reboot Windows"},
                             {.name = L"N3", .caption = L"-"},
                             {.name = L"Quit", .caption = L"Exit"}}},
      L::TrayIcon{.name = L"TrayIcon",
                  .hint = L"Zentory Assistant",
                  .balloonTimeout = 5000,
                  .popupMenu = L"PopupMenu"},
      L::Timer{.name = L"serviceTimer", .enabled = false, .interval = 3000},
  };
  for (auto& node : bottom) children.push_back(std::move(node));

  return L::Form{
      .name = L"MainForm",
      .caption = L"Zentory",
      .clientWidth = 656,
      .clientHeight = kClientHeightConsoleHidden,
      .borderStyle = ui::BorderStyle::bsSingle,
      .borderIcons = {ui::BorderIcon::biSystemMenu, ui::BorderIcon::biMinimize},
      .position = ui::Position::poScreenCenter,
      .keyPreview = true,
      .scaled = false,
      .showHint = true,
      .font = Font{},
      .activeControl = L"ConsoleSearch",
      .children = std::move(children),
  };
}

}  // namespace zt
