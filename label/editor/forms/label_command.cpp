#include "label/editor/forms/label_command.h"

namespace qv {

const char* commandPrompt(LabelCommand command) {
    switch (command) {
        case LabelCommand::LabelSize:
            return "Quorvi：ラベルのレイアウトを決定します。";
        case LabelCommand::BarcodeSettings:
            return "Quorvi：バーコードの属性を設定します。";
        case LabelCommand::Title:
            return "ページのタイトルの文字とフォントを決定します。";
        case LabelCommand::DataFile:
            return "Quorvi：パスとファイルのレイアウトを定義します。";
        case LabelCommand::FieldPlacement:
            return "ファイル定義で設定されたフィールドを配置します。";
        case LabelCommand::Literal:
            return "ラベル内の定数を設定します。";
        case LabelCommand::RuledLine:
            return "開始と終了の点を指定してラベル内に罫線を設定します。";
        case LabelCommand::Bitmap:
            return "ラベルにビットマップを貼り付けます。";
        case LabelCommand::CszConversion:
            return "CSVファイルからＣＳＺファイルを作成します。";
        default:
            return nullptr;
    }
}

bool opensModelessDialog(LabelCommand command) {
    return command == LabelCommand::FieldPlacement || command == LabelCommand::Literal ||
           command == LabelCommand::RuledLine || command == LabelCommand::Bitmap;
}

}  // namespace qv
