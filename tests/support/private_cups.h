// A CUPS scheduler of the tests' own: its configuration, spool, logs and queues live in one
// temporary folder, it listens only on a UNIX domain socket in that folder (no network, no
// browsing) and anyone reaching the socket may administer it. Queues write to files, so a test
// prints through the real CUPS filters and then reads what the printer would have received.
//
//   PrivateCups cups;
//   ASSERT_TRUE(cups.Start(&error)) << error;
//   cups.addThermalQueue("label", cups.outputFile("label.epl"));
//   cups.runTool({"lp", "-d", "label", "page.pdf"});   // or useForThisProcess() and libcups
//   cups.waitForJobsDone(std::chrono::seconds(30));
//
// cupsd must be installed at /usr/sbin/cupsd; link libcups. Run as root (as CI does), cupsd runs
// its filters as the lp user; the folder is made so that they can reach what they need.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

// A job as the scheduler reports it.
struct CupsJob {
    int id = 0;
    std::string printer;  // the queue's name
    std::string state;    // IPP job-state: pending, pending-held, processing, processing-stopped,
                          // canceled, aborted or completed
    std::string reasons;  // job-state-reasons, comma separated
    std::string message;  // job-printer-state-message: the filters' last word
};

struct ToolResult {
    int status = -1;     // exit status; -1 when it could not run or was killed
    std::string output;  // standard output and standard error together
};

class PrivateCups {
  public:
    // A PDF printer with custom sizes up to 612 x 1008 pt and 11.62 pt margins on its fixed
    // sheets, whose filter chain ends after pdftopdf: the file it writes is what it would get.
    static constexpr const char* kPdfModel =
        "lsb/usr/cupsfilters/Fuji_Xerox-DocuPrint_CM305_df-PDF.ppd";
    // The CUPS sample Zebra EPL2 driver (rastertolabel), 203 dpi by default.
    static constexpr const char* kThermalModel = "drv:///sample.drv/zebraep2.ppd";

    PrivateCups() = default;
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Makes the folder and the configuration, starts cupsd and waits (at most `timeout`) until
    // it answers. False with `error` filled (cupsd's own messages included) otherwise.
    bool Start(std::string* error = nullptr,
               std::chrono::milliseconds timeout = std::chrono::seconds(15));
    // Stops cupsd (SIGTERM, SIGKILL when it has not gone after a few seconds), waits for it and
    // removes the folder. Undoes useForThisProcess(). Safe to call more than once.
    void Stop();

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    const std::string& folder() const { return folder_; }
    // What CUPS_SERVER must say for libcups and the CUPS tools to reach this scheduler.
    const std::string& socketPath() const { return socket_; }
    // A file in a folder the filters (user lp) may write to; where file: queues should print.
    std::string outputFile(const std::string& name) const;

    // Points libcups in this process, and every program it starts, at this scheduler.
    void useForThisProcess();

    // Runs a CUPS tool (lp, lpstat, lpadmin, ...) against this scheduler, without a shell, and
    // kills it when it takes longer than `timeout`. Runs nothing before Start() or after Stop(),
    // so that no job can reach the machine's own printers.
    ToolResult runTool(const std::vector<std::string>& argv,
                       std::chrono::milliseconds timeout = std::chrono::seconds(60)) const;

    // Adds an enabled queue that accepts jobs, with default `options` ("name=value").
    bool addQueue(const std::string& name, const std::string& deviceUri, const std::string& model,
                  const std::vector<std::string>& options = {}, std::string* error = nullptr);
    // A PDF printer whose printable area is the whole sheet, printing to file:`outputFile`
    // after the usual pdftopdf filter; the fixed sheets and custom sizes up to 500 x 500 mm.
    bool addPdfQueue(const std::string& name, const std::string& outputFile,
                     std::string* error = nullptr);
    // kPdfModel (11.62 pt minimum margins on its fixed sheets) printing to file:`outputFile`;
    // the PDF is written without its PJL wrapper.
    bool addMarginPdfQueue(const std::string& name, const std::string& outputFile,
                           std::string* error = nullptr);
    // kThermalModel at `dpi` (203 or 300) printing to file:`outputFile`.
    bool addThermalQueue(const std::string& name, const std::string& outputFile,
                         std::string* error = nullptr, int dpi = 203);
    // A queue that exists and is enabled but refuses every job.
    bool addRejectingQueue(const std::string& name, std::string* error = nullptr);
    // Makes `name` the scheduler's default destination.
    bool setDefaultQueue(const std::string& name, std::string* error = nullptr);

    // Every job the scheduler remembers, oldest first; nothing when it cannot be asked.
    std::optional<std::vector<CupsJob>> jobs() const;

    // Waits until no job is pending or processing; false when one still is at `timeout`.
    // Held and stopped jobs count as settled: CUPS stops a job whose filter failed and leaves it
    // there until someone cancels or restarts it.
    bool waitForJobsDone(std::chrono::milliseconds timeout = std::chrono::seconds(60)) const;

    // The scheduler's log (debug level), for failure messages.
    std::string errorLog() const;

  private:
    bool admin(const std::vector<std::string>& argv, std::string* error) const;
    bool writeConfiguration(std::string* error);

    std::string folder_;
    std::string socket_;
    pid_t pid_ = 0;
    bool environmentSet_ = false;
    std::optional<std::string> previousServer_;
};

}  // namespace qv::test
