#pragma once
// The messages of script errors, in UTF-8 as written here. Fail converts them
// to Shift-JIS and puts the Shift-JIS token text in place of "%s".

#include "tools/script/ScriptError.h"

#include <string_view>

namespace zt::script::message {

inline constexpr std::string_view kGrammar = "文法エラーです[%s]";
inline constexpr std::string_view kBadPrototype = "定義エラーです";
inline constexpr std::string_view kDuplicateRoutine = "手続き/関数の重複宣言[%s]";
inline constexpr std::string_view kDuplicateParameter = "仮引数名の重複定義[%s]";
inline constexpr std::string_view kDuplicateVariable = "変数/定数名の重複定義[%s]";
inline constexpr std::string_view kReadOnly = "読取専用オブジェクトには代入できません[%s]";
inline constexpr std::string_view kMissingEnd = "endがありません[%s]";
inline constexpr std::string_view kMissingOf = "ofがありません[%s]";
inline constexpr std::string_view kBadExpression = "式が不正です[%s]";
inline constexpr std::string_view kStopped = "実行を中断しました";
inline constexpr std::string_view kMissingParenthesis = "右括弧がありません";
inline constexpr std::string_view kVariableType = "変数の型が違います[%s]";
inline constexpr std::string_view kResultType = "関数の戻り値の型が違います[%s]";
inline constexpr std::string_view kUndefined = "変数または関数は定義されていません[%s]";
inline constexpr std::string_view kUnknownBuiltinFunction = "未宣言の組み込み関数です[%s]";
inline constexpr std::string_view kUnknownBuiltinProcedure = "未宣言の組み込み手続きです[%s]";
inline constexpr std::string_view kDivisionByZero = "0で割ることはできません[%s]";
inline constexpr std::string_view kNotAnInteger = "実数を整数に変換できません[%s]";
inline constexpr std::string_view kShiftCount = "シフト数が0から127の範囲にありません[%s]";
inline constexpr std::string_view kTooDeep = "入れ子が深すぎます";
inline constexpr std::string_view kAlreadyRunning = "スクリプトはすでに実行中です";

// The error of `message` with `shiftJisDetail` in place of its "%s".
ScriptError Fail(std::string_view message, std::string_view shiftJisDetail = {});

} // namespace zt::script::message
