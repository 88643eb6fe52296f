#pragma once
// The form of the header and footer maker and the HTML lines it makes: a
// header that opens the page around the game and a footer with the music,
// the blinking script, the key list, the description and the support link.

#include <string>
#include <vector>

namespace zt {

// Field values (UTF-8 text); the member initialisers are the form's
// initial values.
struct HeaderFooterFields {
  std::string title = "Zarnoコンストラクション";
  std::string backcolor = "silver";
  std::string text =
      "ゲーム画面をマウスでクリックすると、ゲーム開始です。赤い人は正義の味方で、主人公です。"
      "カーソルキーまたはテンキーで、左右に動きます。素早く２回押すと、走ります。"
      "スペースキーで、ジャンプします。彼の趣味は、お金を拾う事です。それと、亀を踏んづける事です。"
      "彼の夢は、マップの右の方にある星を取る事です。";
  std::string bgmfile;
  bool inf = false;    // loop the music forever
  int looptimes = 0;   // loop count when not forever
  bool autostart = false;
  bool viewc = false;  // show the player's control bar
  int cwidth = 180;    // control bar size; 0 or less leaves the attribute out
  int cheight = 40;
  bool point = false;  // make the game blink
  int inter = 1000;    // blink interval in milliseconds
};

// One entry per line; the description entry of the footer keeps line
// breaks the user entered.
std::vector<std::string> MakeHeaderLines(const HeaderFooterFields& fields);
std::vector<std::string> MakeFooterLines(const HeaderFooterFields& fields);

} // namespace zt
