// The file dialogs of the data editor that also ask for the encoding: "開く" with 文字コード
// (自動 / Shift-JIS / UTF-8), "名前を付けて保存" with the encoding to write, and the choice of
// "別の文字コードで開き直す".
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/text_encoding.h"
#include "editor/model/encoding_conversion.h"

class QWidget;

namespace qv {

// The label of the encoding box in the file dialogs.
extern const char* const kEncodingBoxLabel;

struct OpenRequest {
    QStringList paths;
    EncodingChoice encoding = EncodingChoice::Auto;
};
std::optional<OpenRequest> askFilesToOpen(QWidget* parent, const QString& filter);

struct SaveRequest {
    QString path;
    SaveEncoding encoding = SaveEncoding::Keep;
};
// `name` is the suggested file (a path or a bare name); `current` names the "keep" entry.
std::optional<SaveRequest> askSaveAs(QWidget* parent, const QString& filter, const QString& name,
                                     FileEncoding current);

// Shift-JIS or UTF-8 for reopening a file now read as `current`.
std::optional<EncodingChoice> askReopenEncoding(QWidget* parent, TextEncoding current);

}  // namespace qv
