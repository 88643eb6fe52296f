#pragma once
// Every command of the main window, by the name of its handler.

namespace zt {

enum class Command {
  // File
  New, OneStage, FourStage, MapStage, Open, Save, SaveAs1, K1, ESave, EOpen, MakeHtmlFile, LoadHtmlFile,
  TestPlay, E3, S3, Exit,
  // Edit
  Cut, Copy, Paste, Deleted, A_Pen, A_Select, A_Nuri, A_Rect, N28, Undo,
  // View
  Refresh, qN2, qN3, qN4, qN5, W1, C1, T1, Z1, TBItem47, TBXItem30, R2, N24, CPUP1, FixTool,
  // Stage
  SelSt1, SelSt2, SelSt3, SelSt4, SelMap, N111, N43, N32,
  // FTP, settings, tools, help
  FTP2, FTPF1, E1, I2, Help2, SearchforHelpOn1, N20, ReadmetxtR1, About1, N6,
  // Toolbar-only commands and shortcut-only actions
  GetFromNet, Action6, GoStartingPlace, ViewSiori, AddSiori, Action2,
  Count
};

} // namespace zt
