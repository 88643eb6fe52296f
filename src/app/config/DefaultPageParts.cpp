#include "app/config/DefaultPageParts.h"

#include "document/ProductInfo.h"

namespace zt {

const std::vector<std::string>& DefaultHeaderLines() {
  static const std::vector<std::string> lines{
      "<HTML>",
      "",
      "",
      "<HEAD>",
      "",
      "<TITLE>Zarno コンストラクション  サンプルゲーム</TITLE>",
      "",
      "</HEAD>",
      "",
      "",
      "<BODY BGCOLOR=\"silver\">",
      "",
      "<CENTER>",
  };
  return lines;
}

const std::vector<std::string>& DefaultFooterLines() {
  static const std::vector<std::string> lines{
      "</CENTER>",
      "<BR>",
      "<HR>",
      "<H2>キーボード操作</H2>",
      "<DL>",
      "<DT>← または 4</DT>",
      "<DD>左へ歩きます。すばやく2回押すと走ります。</DD>",
      "<DT>→ または 6</DT>",
      "<DD>右へ歩きます。すばやく2回押すと走ります。</DD>",
      "<DT>スペース または Z</DT>",
      "<DD>ジャンプします。</DD>",
      "<DT>T</DT>",
      "<DD>タイトル画面に戻ります。</DD>",
      "</DL>",
      "ゲーム画面をマウスでクリックすると、ゲーム開始です。<P>",
      "<HR>",
      "<H2>遊び方</H2>",
      "敵をかわしたり踏みつけたりしながら先へ進み、ステージの右端を目指しましょう。",
      "途中のアイテムを集めると有利になります。すべてのステージをクリアすればゲームクリアです。<P>",
      "<HR>",
      "<BR>",
      std::string("<A HREF=\"") + kSupportSite + "\">サポートページ</A>へ移動する。<P>",
      "<BR>",
      "</BODY>",
      "</HTML>",
  };
  return lines;
}

} // namespace zt
