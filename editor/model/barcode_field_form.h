// The rules of the barcode field dialog "ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ", without widgets: preparing one field
// of every record for printing as a barcode. The adding pass appends JAN or ITF check digits or
// puts CODE 39 and NW7 start and stop characters (with an optional check character) around the
// value; the removing pass takes the start and stop characters off again.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/model/rowsmith_doc.h"

namespace qv {

class MessageService;

enum class BarcodeAction { Jan = 0, Itf = 1, Code39 = 2, Nw7 = 3 };

// What the dialog keeps between openings.
struct BarcodeFieldMemory {
    std::string fieldName;  // Shift-JIS
    BarcodeAction action = BarcodeAction::Jan;
    std::string nw7Start = "a";
    std::string nw7Stop = "a";
};

class BarcodeFieldForm {
  public:
    BarcodeFieldForm(CROWSMITHDoc& document, MessageService& messages,
                     BarcodeFieldMemory memory = {});

    // How the grid and the dialog follow; each may be left empty.
    std::function<void(int)> highlightRecord;  // a record whose value failed
    std::function<void()> documentChanged;     // the pass is over: redraw
    std::function<void(bool)> busy;            // the caption shows "(変換中)" while true

    const std::vector<std::string>& fieldNames() const { return document_.headerNames; }
    const BarcodeFieldMemory& memory() const { return memory_; }

    void setFieldName(const std::string& name) { memory_.fieldName = name; }
    // Choosing an action fills the start and stop edits: empty, "*" or the NW7 letters.
    void setAction(BarcodeAction action);
    BarcodeAction action() const { return memory_.action; }
    // The start and stop edits (enabled for NW7 only). A text that is not one letter "a" to "d"
    // is told, and remembered all the same.
    void setStart(const std::string& text);
    void setStop(const std::string& text);
    const std::string& start() const { return start_; }
    const std::string& stop() const { return stop_; }
    bool startStopEnabled() const { return memory_.action == BarcodeAction::Nw7; }
    // The check-character flag and the removing pass serve CODE 39 and NW7 only.
    bool checkEnabled() const { return memory_.action >= BarcodeAction::Code39; }
    void setCheckCharacter(bool on) { check_ = on; }
    bool checkCharacter() const { return check_; }

    // "付加" and "SSｺｰﾄﾞを取る". False when refused or stopped by the user.
    bool addPass();
    bool removePass();

    // One value through the adding rules; false (with `message`) when the validator refuses it.
    bool addTo(std::string& value, std::string& message);
    // One value through the removing rules; true when a start or stop character came off. A
    // value without them is left exactly as it was.
    bool removeFrom(std::string& value) const;

  private:
    int findField();
    bool lettersValid();
    bool askToGoOn(int record, const std::string& message);
    void finish(bool changed, bool tell);

    CROWSMITHDoc& document_;
    MessageService& messages_;
    BarcodeFieldMemory memory_;
    std::string start_;
    std::string stop_;
    bool check_ = false;
};

}  // namespace qv
