#include "formats/PageTemplate.h"

namespace zt {
namespace {

using P = ParamId;
using K = TemplateKind;

// The lines that follow the header lines; the footer lines come after them.
constexpr TemplateLine kTemplate[] = {
    {kAlways, K::Text, "<APPLET CODE=\"ZarnoConstruction\" WIDTH=\"512\" HEIGHT=\"320\" ARCHIVE=\"zc_c.zip\">"},  // 1
    {kMapOnly | kCom, K::Text, "<!--                          0         10   -->"},  // 2
    {kMapOnly | kCom, K::Text, "<!--                          012345678901234-->"},  // 3
    {kMapOnly, K::WorldRows},  // 4
    {kMapOnly | kCom, K::Text, "<!--  メッセージ１の人                                      -->"},  // 5
    {kMapOnly | kCom, K::Text, "<!--  名前                                                  -->"},  // 6
    {kMapOnly, K::Param, "", "", P::mes1_name},  // 7
    {kMapOnly | kCom, K::Text, "<!--  セリフ１                                              -->"},  // 8
    {kMapOnly | kCom, K::Text, "<!--  セリフの不要な行は、 \"0\" と指定して下さい。           -->"},  // 9
    {kMapOnly, K::Param, "", "", P::serifu1_1},  // 10
    {kMapOnly, K::Param, "", "", P::serifu1_2},  // 11
    {kMapOnly, K::Param, "", "", P::serifu1_3},  // 12
    {kMapOnly | kCom, K::Text, "<!--  セリフ２                                              -->"},  // 13
    {kMapOnly, K::Param, "", "", P::serifu2_1},  // 14
    {kMapOnly, K::Param, "", "", P::serifu2_2},  // 15
    {kMapOnly, K::Param, "", "", P::serifu2_3},  // 16
    {kMapOnly | kCom, K::Text, "<!--  メッセージ２の人                                      -->"},  // 17
    {kMapOnly | kCom, K::Text, "<!--  名前                                                  -->"},  // 18
    {kMapOnly, K::Param, "", "", P::mes2_name},  // 19
    {kMapOnly | kCom, K::Text, "<!--  セリフ１                                              -->"},  // 20
    {kMapOnly, K::Param, "", "", P::serifu3_1},  // 21
    {kMapOnly, K::Param, "", "", P::serifu3_2},  // 22
    {kMapOnly, K::Param, "", "", P::serifu3_3},  // 23
    {kMapOnly | kCom, K::Text, "<!--  セリフ２                                              -->"},  // 24
    {kMapOnly, K::Param, "", "", P::serifu4_1},  // 25
    {kMapOnly, K::Param, "", "", P::serifu4_2},  // 26
    {kMapOnly, K::Param, "", "", P::serifu4_3},  // 27
    {kMapOnly | kCom, K::Text, "<!--  店                                                    -->"},  // 28
    {kMapOnly | kCom, K::Text, "<!--  名前                                                  -->"},  // 29
    {kMapOnly, K::Param, "", "", P::shop_name},  // 30
    {kMapOnly | kCom, K::Text, "<!--  セリフ１                                              -->"},  // 31
    {kMapOnly, K::Param, "", "", P::serifu5_1},  // 32
    {kMapOnly, K::Param, "", "", P::serifu5_2},  // 33
    {kMapOnly, K::Param, "", "", P::serifu5_3},  // 34
    {kMapOnly | kCom, K::Text, "<!--  セリフ２                                              -->"},  // 35
    {kMapOnly, K::Param, "", "", P::serifu8_1},  // 36
    {kMapOnly, K::Param, "", "", P::serifu8_2},  // 37
    {kMapOnly, K::Param, "", "", P::serifu8_3},  // 38
    {kMapOnly | kCom, K::Text, "<!--  セリフ  その他                                          -->"},  // 39
    {kMapOnly, K::Param, "", "", P::shop_serifu1},  // 40
    {kMapOnly, K::Param, "", "", P::shop_serifu2},  // 41
    {kMapOnly, K::Param, "", "", P::shop_serifu3},  // 42
    {kMapOnly, K::Param, "", "", P::shop_serifu4},  // 43
    {kMapOnly, K::Param, "", "", P::shop_serifu5},  // 44
    {kMapOnly, K::Param, "", "", P::shop_serifu6},  // 45
    {kMapOnly | kCom, K::Text, "<!--  店にあるアイテム  名前                                -->"},  // 46
    {kMapOnly, K::Param, "", "", P::shop_item_name1},  // 47
    {kMapOnly, K::Param, "", "", P::shop_item_name2},  // 48
    {kMapOnly, K::Param, "", "", P::shop_item_name3},  // 49
    {kMapOnly, K::Param, "", "", P::shop_item_name4},  // 50
    {kMapOnly, K::Param, "", "", P::shop_item_name5},  // 51
    {kMapOnly, K::Param, "", "", P::shop_item_name6},  // 52
    {kMapOnly, K::Param, "", "", P::shop_item_name7},  // 53
    {kMapOnly, K::Param, "", "", P::shop_item_name8},  // 54
    {kMapOnly, K::Param, "", "", P::shop_item_name9},  // 55
    {kMapOnly | kCom, K::Text, "<!--  店にあるアイテム  値段                                -->"},  // 56
    {kMapOnly | kCom, K::Text, "<!--  0 を指定するとなくなる                                -->"},  // 57
    {kMapOnly, K::Param, "", "", P::shop_item_teika1},  // 58
    {kMapOnly, K::Param, "", "", P::shop_item_teika2},  // 59
    {kMapOnly, K::Param, "", "", P::shop_item_teika3},  // 60
    {kMapOnly, K::Param, "", "", P::shop_item_teika4},  // 61
    {kMapOnly, K::Param, "", "", P::shop_item_teika5},  // 62
    {kMapOnly, K::Param, "", "", P::shop_item_teika6},  // 63
    {kMapOnly, K::Param, "", "", P::shop_item_teika7},  // 64
    {kMapOnly, K::Param, "", "", P::shop_item_teika8},  // 65
    {kMapOnly, K::Param, "", "", P::shop_item_teika9},  // 66
    {kMapOnly | kCom, K::Text, "<!--  説明する人                                            -->"},  // 67
    {kMapOnly | kCom, K::Text, "<!--  名前                                                  -->"},  // 68
    {kMapOnly, K::Param, "", "", P::setumei_name},  // 69
    {kMapOnly | kCom, K::Text, "<!--  セリフ１                                              -->"},  // 70
    {kMapOnly, K::Param, "", "", P::serifu9_1},  // 71
    {kMapOnly, K::Param, "", "", P::serifu9_2},  // 72
    {kMapOnly, K::Param, "", "", P::serifu9_3},  // 73
    {kMapOnly | kCom, K::Text, "<!--  メニュー                                              -->"},  // 74
    {kMapOnly, K::Param, "", "", P::setumei_menu1},  // 75
    {kMapOnly, K::Param, "", "", P::setumei_menu2},  // 76
    {kMapOnly, K::Param, "", "", P::setumei_menu3},  // 77
    {kMapOnly, K::Param, "", "", P::setumei_menu4},  // 78
    {kMapOnly | kCom, K::Text, "<!--  セリフ２                                              -->"},  // 79
    {kMapOnly, K::Param, "", "", P::serifu10_1},  // 80
    {kMapOnly, K::Param, "", "", P::serifu10_2},  // 81
    {kMapOnly, K::Param, "", "", P::serifu10_3},  // 82
    {kMapOnly | kCom, K::Text, "<!--  セリフ３                                              -->"},  // 83
    {kMapOnly, K::Param, "", "", P::serifu11_1},  // 84
    {kMapOnly, K::Param, "", "", P::serifu11_2},  // 85
    {kMapOnly, K::Param, "", "", P::serifu11_3},  // 86
    {kMapOnly | kCom, K::Text, "<!--  セリフ４                                              -->"},  // 87
    {kMapOnly, K::Param, "", "", P::serifu12_1},  // 88
    {kMapOnly, K::Param, "", "", P::serifu12_2},  // 89
    {kMapOnly, K::Param, "", "", P::serifu12_3},  // 90
    {kMapOnly | kCom, K::Text, "<!--  得点で開く扉                                          -->"},  // 91
    {kMapOnly | kCom, K::Text, "<!--  開くのに必要な得点  (10-)                             -->"},  // 92
    {kMapOnly, K::Param, "", "", P::door_score},  // 93
    {kCom, K::Text, "<!--  マップデーター         -->"},  // 94
    {kCom, K::Text, ""},  // 95
    {kCom, K::Text, "<!--  左側                   -->"},  // 96
    {kCom, K::Text, "<!--                         0         10        20        30        40        50        -->"},  // 97
    {kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 98
    {kAlways, K::StageRows, "", "", P::time_max, 0, 0},  // 99
    {kAlways, K::Text, ""},  // 100
    {kCom, K::Text, "<!--  中央                   -->"},  // 101
    {kCom, K::Text, "<!--                         60        70        80        90        100       110       -->"},  // 102
    {kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 103
    {kAlways, K::StageRows, "", "", P::time_max, 0, 1},  // 104
    {kAlways, K::Text, ""},  // 105
    {kCom, K::Text, "<!--  右側                   -->"},  // 106
    {kCom, K::Text, "<!--                         120       130       140       150       160       170       -->"},  // 107
    {kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 108
    {kAlways, K::StageRows, "", "", P::time_max, 0, 2},  // 109
    {kAlways, K::Text, ""},  // 110
    {kFourPlus | kCom, K::Text, "<!--  ステージ2 左側                   -->"},  // 111
    {kFourPlus | kCom, K::Text, "<!--                         0         10        20        30        40        50        -->"},  // 112
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 113
    {kFourPlus, K::StageRows, "", "", P::time_max, 1, 0},  // 114
    {kFourPlus, K::Text, ""},  // 115
    {kFourPlus | kCom, K::Text, "<!--  ステージ2 中央                   -->"},  // 116
    {kFourPlus | kCom, K::Text, "<!--                         60        70        80        90        100       110       -->"},  // 117
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 118
    {kFourPlus, K::StageRows, "", "", P::time_max, 1, 1},  // 119
    {kFourPlus, K::Text, ""},  // 120
    {kFourPlus | kCom, K::Text, "<!--  ステージ2 右側                   -->"},  // 121
    {kFourPlus | kCom, K::Text, "<!--                         120       130       140       150       160       170       -->"},  // 122
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 123
    {kFourPlus, K::StageRows, "", "", P::time_max, 1, 2},  // 124
    {kFourPlus, K::Text, ""},  // 125
    {kFourPlus | kCom, K::Text, "<!--  ステージ3 左側                   -->"},  // 126
    {kFourPlus | kCom, K::Text, "<!--                         0         10        20        30        40        50        -->"},  // 127
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 128
    {kFourPlus, K::StageRows, "", "", P::time_max, 2, 0},  // 129
    {kFourPlus, K::Text, ""},  // 130
    {kFourPlus | kCom, K::Text, "<!--  ステージ3 中央                   -->"},  // 131
    {kFourPlus | kCom, K::Text, "<!--                         60        70        80        90        100       110       -->"},  // 132
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 133
    {kFourPlus, K::StageRows, "", "", P::time_max, 2, 1},  // 134
    {kFourPlus, K::Text, ""},  // 135
    {kFourPlus | kCom, K::Text, "<!--  ステージ3 右側                   -->"},  // 136
    {kFourPlus | kCom, K::Text, "<!--                         120       130       140       150       160       170       -->"},  // 137
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 138
    {kFourPlus, K::StageRows, "", "", P::time_max, 2, 2},  // 139
    {kFourPlus, K::Text, ""},  // 140
    {kFourPlus | kCom, K::Text, "<!--  ステージ4 左側                   -->"},  // 141
    {kFourPlus | kCom, K::Text, "<!--                         0         10        20        30        40        50        -->"},  // 142
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 143
    {kFourPlus, K::StageRows, "", "", P::time_max, 3, 0},  // 144
    {kFourPlus, K::Text, ""},  // 145
    {kFourPlus | kCom, K::Text, "<!--  ステージ4 中央                   -->"},  // 146
    {kFourPlus | kCom, K::Text, "<!--                         60        70        80        90        100       110       -->"},  // 147
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 148
    {kFourPlus, K::StageRows, "", "", P::time_max, 3, 1},  // 149
    {kFourPlus, K::Text, ""},  // 150
    {kFourPlus | kCom, K::Text, "<!--  ステージ4 右側                   -->"},  // 151
    {kFourPlus | kCom, K::Text, "<!--                         120       130       140       150       160       170       -->"},  // 152
    {kFourPlus | kCom, K::Text, "<!--                         012345678901234567890123456789012345678901234567890123456789-->"},  // 153
    {kFourPlus, K::StageRows, "", "", P::time_max, 3, 2},  // 154
    {kFourPlus, K::Text, ""},  // 155
    {kCom, K::Text, "<!--  制限時間                                              -->"},  // 156
    {kCom, K::Text, "<!--  0 を設定すると無制限                                  -->"},  // 157
    {kAlways, K::Param, "", "", P::time_max},  // 158
    {kCom, K::Text, ""},  // 159
    {kCom, K::Text, "<!--  スクロールモード  1  全方向スクロール                 -->"},  // 160
    {kCom, K::Text, "<!--                    2  強制スクロール                   -->"},  // 161
    {kCom, K::Text, "<!--                    3  高速強制スクロール               -->"},  // 162
    {kAlways, K::Param, "", "", P::scroll_mode},  // 163
    {kFourPlus | kCom, K::Text, "<!--  ステージ２                                            -->"},  // 164
    {kFourPlus | kCom, K::Text, "<!--  スクロールモード  1  全方向スクロール                 -->"},  // 165
    {kFourPlus | kCom, K::Text, "<!--                    2  強制スクロール                   -->"},  // 166
    {kFourPlus | kCom, K::Text, "<!--                    3  高速強制スクロール               -->"},  // 167
    {kFourPlus, K::Param, "", "", P::scroll_mode_s},  // 168
    {kFourPlus, K::Text, ""},  // 169
    {kFourPlus | kCom, K::Text, "<!--  ステージ３                                            -->"},  // 170
    {kFourPlus | kCom, K::Text, "<!--  スクロールモード  1  全方向スクロール                 -->"},  // 171
    {kFourPlus | kCom, K::Text, "<!--                    2  強制スクロール                   -->"},  // 172
    {kFourPlus | kCom, K::Text, "<!--                    3  高速強制スクロール               -->"},  // 173
    {kFourPlus, K::Param, "", "", P::scroll_mode_t},  // 174
    {kFourPlus, K::Text, ""},  // 175
    {kFourPlus | kCom, K::Text, "<!--  ステージ４                                            -->"},  // 176
    {kFourPlus | kCom, K::Text, "<!--  スクロールモード  1  全方向スクロール                 -->"},  // 177
    {kFourPlus | kCom, K::Text, "<!--                    2  強制スクロール                   -->"},  // 178
    {kFourPlus | kCom, K::Text, "<!--                    3  高速強制スクロール               -->"},  // 179
    {kFourPlus, K::Param, "", "", P::scroll_mode_f},  // 180
    {kCom, K::Text, ""},  // 181
    {kCom, K::Text, "<!--  得点の表示        1  表示する                         -->"},  // 182
    {kCom, K::Text, "<!--                    2  しない                           -->"},  // 183
    {kAlways, K::Param, "", "", P::score_v},  // 184
    {kCom, K::Text, ""},  // 185
    {kFourOnly | kCom, K::Text, "<!--  ステージ数  (1-4)                                     -->"},  // 186
    {kFourOnly, K::Param, "", "", P::stage_max},  // 187
    {kFourOnly, K::Text, ""},  // 188
    {kFourOnly | kCom, K::Text, "<!--  開始ステージ  (1-4)                                   -->"},  // 189
    {kFourOnly | kCom, K::Text, "<!--  デバッグ用                                            -->"},  // 190
    {kFourOnly | kOverride, K::StartStageComment, "<!--  デバッグ中 現在", "ステージからです。                    -->"},  // 191
    {kFourOnly | kOverride, K::StartStageParam, "", "", P::stage_kaishi},  // 192
    {kFourOnly | kNoOverride, K::Param, "", "", P::stage_kaishi},  // 193
    {kFourPlus, K::Text, ""},  // 194
    {kFourPlus | kCom, K::Text, "<!--  残りの人数  (1-)                                      -->"},  // 195
    {kFourPlus, K::Param, "", "", P::jibun_left_shoki},  // 196
    {kFourPlus, K::Text, ""},  // 197
    {kFourPlus | kCom, K::Text, "<!--  １ｕｐする得点１                                      -->"},  // 198
    {kFourPlus | kCom, K::Text, "<!--  ２ステージ以上の構成で有効                            -->"},  // 199
    {kFourPlus | kCom, K::Text, "<!--  0 だと設定なし                                        -->"},  // 200
    {kFourPlus, K::Param, "", "", P::score_1up_1},  // 201
    {kFourPlus, K::Text, ""},  // 202
    {kFourPlus | kCom, K::Text, "<!--  １ｕｐする得点２                                      -->"},  // 203
    {kFourPlus | kCom, K::Text, "<!--  ２ステージ以上の構成で有効                            -->"},  // 204
    {kFourPlus | kCom, K::Text, "<!--  0 だと設定なし                                        -->"},  // 205
    {kFourPlus, K::Param, "", "", P::score_1up_2},  // 206
    {kMapOnly, K::Text, "<PARAM NAME=\"stage_select\" VALUE=\"2\">"},  // 207
    {kCom, K::Text, ""},  // 208
    {kCom, K::Text, "<!--  しっぽの特徴      1  敵を倒せる                       -->"},  // 209
    {kCom, K::Text, "<!--                    2  ブロック１を壊せる               -->"},  // 210
    {kCom, K::Text, "<!--                    3  敵を倒せてブロック１を壊せる     -->"},  // 211
    {kAlways, K::Param, "", "", P::j_tail_type},  // 212
    {kCom, K::Text, ""},  // 213
    {kCom, K::Text, "<!--  しっぽの標準装備  1  しない                           -->"},  // 214
    {kCom, K::Text, "<!--                    2  する                             -->"},  // 215
    {kAlways, K::Param, "", "", P::j_tail_hf},  // 216
    {kCom, K::Text, ""},  // 217
    {kCom, K::Text, "<!--  ファイヤーボール  1  水中で消える                     -->"},  // 218
    {kCom, K::Text, "<!--                    2  水中でも使える                   -->"},  // 219
    {kAlways, K::Param, "", "", P::j_fire_mkf},  // 220
    {kCom, K::Text, ""},  // 221
    {kCom, K::Text, "<!--  グレネード        1  グレネード    ボスを倒せる       -->"},  // 222
    {kCom, K::Text, "<!--                    2  グレネード    ボスには効かない   -->"},  // 223
    {kCom, K::Text, "<!--                    3  エネルギー砲  ボスを倒せる       -->"},  // 224
    {kCom, K::Text, "<!--                    4  エネルギー砲  ボスには効かない   -->"},  // 225
    {kCom, K::Text, "<!--                    5  プラズマ砲    ボスを倒せる       -->"},  // 226
    {kCom, K::Text, "<!--                    6  プラズマ砲    ボスには効かない   -->"},  // 227
    {kAlways, K::Param, "", "", P::grenade_type},  // 228
    {kCom, K::Text, ""},  // 229
    {kCom, K::Text, "<!--  すべる床          1  ドリル等で破壊できる             -->"},  // 230
    {kCom, K::Text, "<!--                    2  破壊できない                     -->"},  // 231
    {kAlways, K::Param, "", "", P::suberuyuka_hkf},  // 232
    {kCom, K::Text, ""},  // 233
    {kCom, K::Text, "<!--  ピカチーの電撃    1  水中で消える                     -->"},  // 234
    {kCom, K::Text, "<!--                    2  水中でも使える                   -->"},  // 235
    {kAlways, K::Param, "", "", P::dengeki_mkf},  // 236
    {kCom, K::Text, ""},  // 237
    {kCom, K::Text, "<!--  ヤチャモ          1  火の粉で攻撃                     -->"},  // 238
    {kCom, K::Text, "<!--                    2  何もしない                       -->"},  // 239
    {kAlways, K::Param, "", "", P::yachamo_kf},  // 240
    {kCom, K::Text, ""},  // 241
    {kCom, K::Text, "<!--  エアームズ        1  壁に当たると止まる               -->"},  // 242
    {kCom, K::Text, "<!--                    2  壁に当たると向きを変える         -->"},  // 243
    {kAlways, K::Param, "", "", P::airms_kf},  // 244
    {kCom, K::Text, ""},  // 245
    {kCom, K::Text, "<!--  動く床  上下移動  1  上下移動                         -->"},  // 246
    {kCom, K::Text, "<!--                    2  乗ると落ちる                     -->"},  // 247
    {kCom, K::Text, "<!--                    3  ずっと乗っていると落ちる         -->"},  // 248
    {kCom, K::Text, "<!--                    4  左回り                           -->"},  // 249
    {kCom, K::Text, "<!--                    5  右回り                           -->"},  // 250
    {kCom, K::Text, "<!--                    6  乗れるカイオール                 -->"},  // 251
    {kCom, K::Text, "<!--                    7  ジャンプ台                       -->"},  // 252
    {kAlways, K::Param, "", "", P::ugokuyuka1_type},  // 253
    {kCom, K::Text, ""},  // 254
    {kCom, K::Text, "<!--  動く床  左右移動  1  左右移動                         -->"},  // 255
    {kCom, K::Text, "<!--                    2  乗ると落ちる                     -->"},  // 256
    {kCom, K::Text, "<!--                    3  ずっと乗っていると落ちる         -->"},  // 257
    {kCom, K::Text, "<!--                    4  左回り                           -->"},  // 258
    {kCom, K::Text, "<!--                    5  右回り                           -->"},  // 259
    {kCom, K::Text, "<!--                    6  乗れるカイオール                 -->"},  // 260
    {kCom, K::Text, "<!--                    7  ジャンプ台                       -->"},  // 261
    {kAlways, K::Param, "", "", P::ugokuyuka2_type},  // 262
    {kCom, K::Text, ""},  // 263
    {kCom, K::Text, "<!--  動く床                                                -->"},  // 264
    {kCom, K::Text, "<!--  左右移動２個連続  1  左右移動２個連続                 -->"},  // 265
    {kCom, K::Text, "<!--                    2  乗ると落ちる                     -->"},  // 266
    {kCom, K::Text, "<!--                    3  ずっと乗っていると落ちる         -->"},  // 267
    {kCom, K::Text, "<!--                    4  左回り                           -->"},  // 268
    {kCom, K::Text, "<!--                    5  右回り                           -->"},  // 269
    {kCom, K::Text, "<!--                    6  乗れるカイオール                 -->"},  // 270
    {kCom, K::Text, "<!--                    7  ジャンプ台                       -->"},  // 271
    {kAlways, K::Param, "", "", P::ugokuyuka3_type},  // 272
    {kCom, K::Text, ""},  // 273
    {kCom, K::Text, "<!--  グラーダ          1  噴火                             -->"},  // 274
    {kCom, K::Text, "<!--                    2  亀を投げる                       -->"},  // 275
    {kCom, K::Text, "<!--                    3  ヒノララシを投げる               -->"},  // 276
    {kCom, K::Text, "<!--                    4  マリリを投げる                   -->"},  // 277
    {kAlways, K::Param, "", "", P::boss_type},  // 278
    {kCom, K::Text, ""},  // 279
    {kCom, K::Text, "<!--  カイオール        1  水の波動                         -->"},  // 280
    {kCom, K::Text, "<!--                    2  バブル光線                       -->"},  // 281
    {kAlways, K::Param, "", "", P::boss2_type},  // 282
    {kCom, K::Text, ""},  // 283
    {kCom, K::Text, "<!--  センクウザ        1  グレネード                       -->"},  // 284
    {kCom, K::Text, "<!--                    2  バリアを張って体当たり           -->"},  // 285
    {kCom, K::Text, "<!--                    3  バリアを張って高速体当たり       -->"},  // 286
    {kCom, K::Text, "<!--                    4  バリアを張ってジャンプ           -->"},  // 287
    {kAlways, K::Param, "", "", P::boss3_type},  // 288
    {kCom, K::Text, ""},  // 289
    {kCom, K::Text, ""},  // 290
    {kCom, K::Text, "<!--  リンク土管１の移動先                                  -->"},  // 291
    {kAlways, K::Param, "", "", P::url1},  // 292
    {kCom, K::Text, ""},  // 293
    {kCom, K::Text, "<!--  リンク土管２の移動先                                  -->"},  // 294
    {kAlways, K::Param, "", "", P::url2},  // 295
    {kCom, K::Text, ""},  // 296
    {kCom, K::Text, "<!--  リンク土管３の移動先                                  -->"},  // 297
    {kAlways, K::Param, "", "", P::url3},  // 298
    {kCom, K::Text, ""},  // 299
    {kCom, K::Text, "<!--  リンク土管４の移動先                                  -->"},  // 300
    {kAlways, K::Param, "", "", P::url4},  // 301
    {kCom, K::Text, ""},  // 302
    {kCom, K::Text, ""},  // 303
    {kCom, K::Text, "<!--  リンク土管        1  リンク土管                       -->"},  // 304
    {kCom, K::Text, "<!--                    2  ワープ土管                       -->"},  // 305
    {kCom, K::Text, "<!--                       同じ番号の土管が、つながります。 -->"},  // 306
    {kCom, K::Text, "<!--                       ２つずつ設置して下さい。         -->"},  // 307
    {kAlways, K::Param, "", "", P::dokan_mode},  // 308
    {kCom, K::Text, ""},  // 309
    {kCom, K::Text, ""},  // 310
    {kCom, K::Text, "<!--  一言メッセージ１  名前                                -->"},  // 311
    {kAlways, K::Param, "", "", P::hitokoto1_name},  // 312
    {kCom, K::Text, ""},  // 313
    {kCom, K::Text, "<!--  一言メッセージ１  セリフ                              -->"},  // 314
    {kCom, K::Text, "<!--  セリフの不要な行は、 \"0\" と指定して下さい。           -->"},  // 315
    {kAlways, K::Param, "", "", P::hitokoto1_1},  // 316
    {kAlways, K::Param, "", "", P::hitokoto1_2},  // 317
    {kAlways, K::Param, "", "", P::hitokoto1_3},  // 318
    {kCom, K::Text, ""},  // 319
    {kCom, K::Text, ""},  // 320
    {kCom, K::Text, "<!--  一言メッセージ２  名前                                -->"},  // 321
    {kAlways, K::Param, "", "", P::hitokoto2_name},  // 322
    {kCom, K::Text, ""},  // 323
    {kCom, K::Text, "<!--  一言メッセージ２  セリフ                              -->"},  // 324
    {kAlways, K::Param, "", "", P::hitokoto2_1},  // 325
    {kAlways, K::Param, "", "", P::hitokoto2_2},  // 326
    {kAlways, K::Param, "", "", P::hitokoto2_3},  // 327
    {kCom, K::Text, ""},  // 328
    {kCom, K::Text, ""},  // 329
    {kCom, K::Text, "<!--  一言メッセージ３  名前                                -->"},  // 330
    {kAlways, K::Param, "", "", P::hitokoto3_name},  // 331
    {kCom, K::Text, ""},  // 332
    {kCom, K::Text, "<!--  一言メッセージ３  セリフ                              -->"},  // 333
    {kAlways, K::Param, "", "", P::hitokoto3_1},  // 334
    {kAlways, K::Param, "", "", P::hitokoto3_2},  // 335
    {kAlways, K::Param, "", "", P::hitokoto3_3},  // 336
    {kCom, K::Text, ""},  // 337
    {kCom, K::Text, ""},  // 338
    {kCom, K::Text, "<!--  一言メッセージ４  名前                                -->"},  // 339
    {kAlways, K::Param, "", "", P::hitokoto4_name},  // 340
    {kCom, K::Text, ""},  // 341
    {kCom, K::Text, "<!--  一言メッセージ４  セリフ                              -->"},  // 342
    {kAlways, K::Param, "", "", P::hitokoto4_1},  // 343
    {kAlways, K::Param, "", "", P::hitokoto4_2},  // 344
    {kAlways, K::Param, "", "", P::hitokoto4_3},  // 345
    {kCom, K::Text, ""},  // 346
    {kCom, K::Text, ""},  // 347
    {kCom, K::Text, "<!--  背景色                                                -->"},  // 348
    {kCom, K::Text, "<!--  ゲーム画面の背景色を、光の３原色の成分で設定します。  -->"},  // 349
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 350
    {kAlways, K::Param, "", "", P::backcolor_red},  // 351
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 352
    {kAlways, K::Param, "", "", P::backcolor_green},  // 353
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 354
    {kAlways, K::Param, "", "", P::backcolor_blue},  // 355
    {kFourPlus, K::Text, ""},  // 356
    {kFourPlus | kCom, K::Text, "<!--  ステージ２  背景色                                    -->"},  // 357
    {kFourPlus | kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 358
    {kFourPlus, K::Param, "", "", P::backcolor_red_s},  // 359
    {kFourPlus | kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 360
    {kFourPlus, K::Param, "", "", P::backcolor_green_s},  // 361
    {kFourPlus | kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 362
    {kFourPlus, K::Param, "", "", P::backcolor_blue_s},  // 363
    {kFourPlus, K::Text, ""},  // 364
    {kFourPlus | kCom, K::Text, "<!--  ステージ３  背景色                                    -->"},  // 365
    {kFourPlus | kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 366
    {kFourPlus, K::Param, "", "", P::backcolor_red_t},  // 367
    {kFourPlus | kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 368
    {kFourPlus, K::Param, "", "", P::backcolor_green_t},  // 369
    {kFourPlus | kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 370
    {kFourPlus, K::Param, "", "", P::backcolor_blue_t},  // 371
    {kFourPlus, K::Text, ""},  // 372
    {kFourPlus | kCom, K::Text, "<!--  ステージ４  背景色                                    -->"},  // 373
    {kFourPlus | kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 374
    {kFourPlus, K::Param, "", "", P::backcolor_red_f},  // 375
    {kFourPlus | kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 376
    {kFourPlus, K::Param, "", "", P::backcolor_green_f},  // 377
    {kFourPlus | kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 378
    {kFourPlus, K::Param, "", "", P::backcolor_blue_f},  // 379
    {kFourOnly, K::Text, ""},  // 380
    {kFourOnly | kCom, K::Text, "<!--  ステージ番号表示画面  背景色                                    -->"},  // 381
    {kFourOnly | kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 382
    {kFourOnly, K::Param, "", "", P::kaishi_red},  // 383
    {kFourOnly | kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 384
    {kFourOnly, K::Param, "", "", P::kaishi_green},  // 385
    {kFourOnly | kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 386
    {kFourOnly, K::Param, "", "", P::kaishi_blue},  // 387
    {kCom, K::Text, ""},  // 388
    {kCom, K::Text, "<!--  文字の色                                              -->"},  // 389
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 390
    {kAlways, K::Param, "", "", P::scorecolor_red},  // 391
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 392
    {kAlways, K::Param, "", "", P::scorecolor_green},  // 393
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 394
    {kAlways, K::Param, "", "", P::scorecolor_blue},  // 395
    {kCom, K::Text, ""},  // 396
    {kCom, K::Text, "<!--  グレネードの爆発とエネルギー砲の色１                  -->"},  // 397
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 398
    {kAlways, K::Param, "", "", P::grenade_red1},  // 399
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 400
    {kAlways, K::Param, "", "", P::grenade_green1},  // 401
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 402
    {kAlways, K::Param, "", "", P::grenade_blue1},  // 403
    {kCom, K::Text, ""},  // 404
    {kCom, K::Text, "<!--  グレネードの爆発とエネルギー砲の色２                  -->"},  // 405
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 406
    {kAlways, K::Param, "", "", P::grenade_red2},  // 407
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 408
    {kAlways, K::Param, "", "", P::grenade_green2},  // 409
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 410
    {kAlways, K::Param, "", "", P::grenade_blue2},  // 411
    {kCom, K::Text, ""},  // 412
    {kCom, K::Text, "<!--  水の波動（カイオールの技）の色                        -->"},  // 413
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 414
    {kAlways, K::Param, "", "", P::mizunohadou_red},  // 415
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 416
    {kAlways, K::Param, "", "", P::mizunohadou_green},  // 417
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 418
    {kAlways, K::Param, "", "", P::mizunohadou_blue},  // 419
    {kCom, K::Text, ""},  // 420
    {kCom, K::Text, "<!--  ファイヤーバーの外側の色                              -->"},  // 421
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 422
    {kAlways, K::Param, "", "", P::firebar_red1},  // 423
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 424
    {kAlways, K::Param, "", "", P::firebar_green1},  // 425
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 426
    {kAlways, K::Param, "", "", P::firebar_blue1},  // 427
    {kCom, K::Text, ""},  // 428
    {kCom, K::Text, "<!--  ファイヤーバーの内側の色                              -->"},  // 429
    {kCom, K::Text, "<!--  赤の成分  (0-255)  -->"},  // 430
    {kAlways, K::Param, "", "", P::firebar_red2},  // 431
    {kCom, K::Text, "<!--  緑の成分  (0-255)  -->"},  // 432
    {kAlways, K::Param, "", "", P::firebar_green2},  // 433
    {kCom, K::Text, "<!--  青の成分  (0-255)  -->"},  // 434
    {kAlways, K::Param, "", "", P::firebar_blue2},  // 435
    {kCom, K::Text, ""},  // 436
    {kCom, K::Text, ""},  // 437
    {kCom, K::Text, "<!--  SCORE の文字                                          -->"},  // 438
    {kAlways, K::Param, "", "", P::moji_score},  // 439
    {kCom, K::Text, ""},  // 440
    {kCom, K::Text, "<!--  HIGHSCORE の文字                                      -->"},  // 441
    {kAlways, K::Param, "", "", P::moji_highscore},  // 442
    {kCom, K::Text, ""},  // 443
    {kCom, K::Text, "<!--  TIME の文字                                           -->"},  // 444
    {kAlways, K::Param, "", "", P::moji_time},  // 445
    {kCom, K::Text, ""},  // 446
    {kCom, K::Text, "<!--  JET の文字                                            -->"},  // 447
    {kAlways, K::Param, "", "", P::moji_jet},  // 448
    {kCom, K::Text, ""},  // 449
    {kCom, K::Text, "<!--  GRENADE の文字                                        -->"},  // 450
    {kAlways, K::Param, "", "", P::moji_grenade},  // 451
    {kCom, K::Text, ""},  // 452
    {kCom, K::Text, "<!--  LEFT の文字                                           -->"},  // 453
    {kAlways, K::Param, "", "", P::moji_left},  // 454
    {kCom, K::Text, ""},  // 455
    {kCom, K::Text, "<!--  文字の大きさ  (8-30)                                  -->"},  // 456
    {kAlways, K::Param, "", "", P::moji_size},  // 457
    {kCom, K::Text, ""},  // 458
    {kCom, K::Text, ""},  // 459
    {kCom, K::Text, "<!--  タイトル画面のファイル名                              -->"},  // 460
    {kAlways, K::Param, "", "", P::filename_title},  // 461
    {kCom, K::Text, ""},  // 462
    {kCom, K::Text, "<!--  エンディング画面のファイル名                          -->"},  // 463
    {kAlways, K::Param, "", "", P::filename_ending},  // 464
    {kCom, K::Text, ""},  // 465
    {kCom, K::Text, "<!--  ゲームオーバー画面のファイル名                        -->"},  // 466
    {kAlways, K::Param, "", "", P::filename_gameover},  // 467
    {kCom, K::Text, ""},  // 468
    {kCom, K::Text, "<!--  キャラクターパターンのファイル名                      -->"},  // 469
    {kAlways, K::Param, "", "", P::filename_pattern},  // 470
    {kCom, K::Text, ""},  // 471
    {kCom, K::Text, "<!--  地図画面の背景のファイル名                      -->"},  // 472
    {kAlways, K::Param, "", "", P::filename_chizu},  // 473
    {kCom, K::Text, ""},  // 474
    {kCom, K::Text, ""},  // 475
    {kCom, K::Text, "<!--  ゲームの進行スピード  (10-300)                        -->"},  // 476
    {kCom, K::Text, "<!--  １フレームにおける待ち時間を、設定します。"},  // 477
    {kCom, K::Text, "      数字が大きいほど遅くなり、"},  // 478
    {kCom, K::Text, "      デフォルトは、 70 です。                              -->"},  // 479
    {kAlways, K::Param, "", "", P::game_speed},  // 480
    {kAlways, K::Text, "</APPLET>"},  // 481
};

} // namespace

std::span<const TemplateLine> PageTemplate() { return kTemplate; }

std::string StageRowParamName(int stage, int part, int y) {
  static constexpr const char* kSuffix[] = {"", "-s", "-t", "-f"};
  return "map" + std::to_string(part) + "-" + std::to_string(y) + kSuffix[stage];
}

} // namespace zt
