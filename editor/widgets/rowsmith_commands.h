// Command identifiers of the data editor's menus, toolbar and the grid's pop-up menu.
#pragma once

namespace qv::rowsmith {

constexpr int kRecordDialog = 32771;  // "ﾚｺｰﾄﾞの追加・修正"
constexpr int kFieldDialog = 32772;   // "項目(ﾍｯﾀﾞ)の作成・修正"
constexpr int kDelete = 32774;
constexpr int kSearch = 32775;
constexpr int kBarcodeFields = 32776;
constexpr int kExtract = 32777;
constexpr int kFont = 32782;
constexpr int kCopy = 57634;
constexpr int kCut = 57635;
constexpr int kPaste = 57637;
constexpr int kUndo = 57643;

}  // namespace qv::rowsmith
