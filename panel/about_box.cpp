#include "panel/about_box.h"

#ifndef SKYCALC_VERSION
#error "SKYCALC_VERSION (the project's version) must be defined by the build"
#endif

namespace skycalc {

const char* ProgramVersion() { return SKYCALC_VERSION; }

AboutBox MakeAboutBox() {
  AboutBox box;
  box.caption = "「ほしよみ君」のﾊﾞｰｼﾞｮﾝ情報";
  box.title = std::string("星空ポケット「ほしよみ君」 ver") + ProgramVersion();
  box.lines = {"制作: Quillmoor ソフトウェア工房", "星を見上げる夜のお供に、ポケットに入る計算機を。",
               "ご意見・不具合のご報告は、配布元の課題ページへどうぞ。", "このソフトウェアは自由に使用・再配布できます。"};
  return box;
}

}  // namespace skycalc
