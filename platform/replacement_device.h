// A Qt output device on a replacement file, for the Qt writers (PDF, PNG) whose output must
// replace its target only when whole. It keeps the reason of the first write that failed, which
// Qt's own file device does not always tell.
#pragma once

#include <QIODevice>
#include <string>

#include "common/file_io.h"

namespace qv {

class ReplacementDevice : public QIODevice {
  public:
    // Open for writing when `file` is ready; `file` must outlive the device.
    explicit ReplacementDevice(ReplacementFile& file);

    // Whether the device could be opened; `error` then tells why not.
    bool ready(std::string& error) const;
    // False, with the reason, when a write failed; otherwise flushes the temporary file to disk
    // and closes it. The caller then commits the file.
    bool finish(std::string& error);

    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    ReplacementFile& file_;
    int failure_ = 0;  // errno of the first failed write
};

}  // namespace qv
