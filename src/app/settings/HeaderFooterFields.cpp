#include "app/settings/HeaderFooterFields.h"

#include "document/ProductInfo.h"

namespace zt {
namespace {

constexpr const char* kScriptOpen = R"(<SCRIPT TYPE="text/javascript" LANGUAGE="JavaScript">)";

// The blink function of the header; it hides and shows the block with the
// id "zarno" that wraps the game.
constexpr const char* kBlinkFunction[] = {
    kScriptOpen,
    "<!--",
    "var visible = true;",
    "function blink(){",
    "  if(visible){",
    R"(    document.all("zarno").style.visibility="hidden";)",
    "    visible=false;",
    "  }",
    "  else{",
    R"(    document.all("zarno").style.visibility="visible";)",
    "    visible=true;",
    "  }",
    "}",
    "//-->",
    "</SCRIPT>",
};

// ` name="value"`
std::string Attribute(const char* name, const std::string& value) {
  return std::string(" ") + name + "=\"" + value + "\"";
}

std::string MusicLine(const HeaderFooterFields& f) {
  std::string line = "<EMBED SRC=\"" + f.bgmfile + "\"";
  line += Attribute("AUTOSTART", f.autostart ? "true" : "false");
  line += Attribute("LOOP", f.inf ? "true" : std::to_string(f.looptimes));
  line += Attribute("HIDDEN", f.viewc ? "false" : "true");
  if (f.cwidth > 0) line += Attribute("WIDTH", std::to_string(f.cwidth));
  if (f.cheight > 0) line += Attribute("HEIGHT", std::to_string(f.cheight));
  return line + ">";
}

} // namespace

std::vector<std::string> MakeHeaderLines(const HeaderFooterFields& f) {
  std::vector<std::string> lines{"<HTML>", "<HEAD>", "<TITLE>" + f.title + "</TITLE>"};
  if (f.point) lines.insert(lines.end(), std::begin(kBlinkFunction), std::end(kBlinkFunction));
  lines.push_back("</HEAD>");
  lines.push_back("<BODY" + (f.backcolor.empty() ? std::string() : Attribute("BGCOLOR", f.backcolor)) + ">");
  lines.push_back(R"(<DIV ID="zarno" ALIGN="center">)");
  return lines;
}

std::vector<std::string> MakeFooterLines(const HeaderFooterFields& f) {
  std::vector<std::string> lines{"</DIV>"};
  if (!f.bgmfile.empty()) {
    lines.push_back("");
    if (f.viewc) lines.push_back(R"(<DIV ALIGN="center">)");
    lines.push_back(MusicLine(f));
    if (f.viewc) lines.push_back("</DIV>");
  }
  if (f.point) {
    lines.insert(lines.end(), {kScriptOpen, "<!--", "setInterval(\"blink()\"," + std::to_string(f.inter) + ");",
                               "//-->", "</SCRIPT>"});
  }
  const std::vector<std::string> page{
      "",
      "<BR>",
      "<BR>",
      "<HR>",
      "<BR>",
      "",
      "",
      "<H2>キーボード操作</H2>",
      "",
      "<DL>",
      "<DT>（←），（４）",
      "<DD>左へ歩く。素早く２回押すと走る。",
      "<DT>（→），（６）",
      "<DD>右へ歩く。素早く２回押すと走る。",
      "<DT>（スペース），（Ｚ）",
      "<DD>ジャンプする。",
      "<DT>（Ｔ）",
      "<DD>タイトル画面に戻る。",
      "</DL>",
      "",
      "ゲーム画面をマウスでクリックすると、ゲーム開始です。<P>",
      "",
      "",
      "<BR>",
      "<HR>",
      "<BR>",
      "",
      "",
      "<H2>遊び方</H2>",
      "",
      f.text + "<P>",
      "",
      "",
      "<BR>",
      "<HR>",
      "<BR>",
      "",
      "",
      std::string("<a href = \"") + kSupportSite + "\">サポートページ</A>へ移動する。<P>",
      "",
      "",
      "</BODY>",
      "",
      "",
      "</HTML>",
  };
  lines.insert(lines.end(), page.begin(), page.end());
  return lines;
}

} // namespace zt
