#include "platform/cups_printing.h"

#include <cups/cups.h>
#include <cups/ipp.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "common/text_format.h"

namespace qv {

namespace {

constexpr int kConnectTimeoutMs = 10000;
constexpr auto kPollInterval = std::chrono::milliseconds(200);
constexpr double kHundredthsPerMm = 100.0;

std::string lastError() {
    const char* text = cupsLastErrorString();
    return text != nullptr && *text != '\0' ? text : ippErrorString(cupsLastError());
}

bool serviceGone(ipp_status_t status) {
    return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "なし" : text;
}

// The keywords of a multi-valued attribute, joined with commas.
std::string keywordsOf(ipp_t* response, const char* name) {
    std::string text;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    for (int i = 0; attribute != nullptr && i < ippGetCount(attribute); ++i) {
        const char* value = ippGetString(attribute, i, nullptr);
        if (value != nullptr && std::string(value) != "none") {
            text += (text.empty() ? "" : ", ") + std::string(value);
        }
    }
    return text;
}

std::string textOf(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char* value = attribute != nullptr ? ippGetString(attribute, 0, nullptr) : nullptr;
    return value != nullptr ? value : "";
}

int enumOf(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ENUM);
    return attribute != nullptr ? ippGetInteger(attribute, 0) : 0;
}

}  // namespace

std::string printFailureMessage(const PrintOutcome& outcome) {
    const char* printer = outcome.printer.c_str();
    const char* reason = outcome.reason.c_str();
    switch (outcome.failure) {
        case PrintFailure::None:
            break;
        case PrintFailure::ServiceUnreachable:
            return formatText(
                "印刷サービス（CUPS）に接続できないため、プリンタ「%s」に印刷できませんでした。\n%"
                "s",
                printer, reason);
        case PrintFailure::NoPrinter:
            return formatText("プリンタが設定されていません。\n%s", reason);
        case PrintFailure::UnknownPrinter:
            return formatText("プリンタ「%s」はありません。\n使えるプリンタ: %s", printer, reason);
        case PrintFailure::Refused:
            return formatText("プリンタ「%s」が印刷を受け付けませんでした。\n%s", printer, reason);
        case PrintFailure::JobFailed:
            return formatText("プリンタ「%s」での印刷に失敗しました（ジョブ %d）。\n%s", printer,
                              outcome.jobId, reason);
        case PrintFailure::OutputFailed:
            return formatText("印刷するページを作れませんでした。\n%s", reason);
    }
    return std::string();
}

struct CupsPrinting::State {
    http_t* http = nullptr;
    cups_dest_t* dests = nullptr;
    int destCount = 0;
    bool listed = false;
    cups_dest_t* dest = nullptr;
    cups_dinfo_t* info = nullptr;

    ~State() {
        if (info != nullptr) cupsFreeDestInfo(info);
        if (dests != nullptr) cupsFreeDests(destCount, dests);
        if (http != nullptr) httpClose(http);
    }

    // Connects and reads the list of printers once; false with the reason when the service
    // cannot be reached.
    bool list(std::string& reason) {
        if (listed) return true;
        if (http == nullptr) {
            http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                kConnectTimeoutMs, nullptr);
        }
        if (http != nullptr) destCount = cupsGetDests2(http, &dests);
        const bool refused = destCount == 0 && cupsLastError() > IPP_STATUS_OK_CONFLICTING &&
                             cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND;
        if (http == nullptr || refused) {
            reason = std::string(cupsServer()) + ": " + lastError();
            return false;
        }
        listed = true;
        return true;
    }

    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (int i = 0; i < destCount; ++i) {
            if (dests[i].instance == nullptr) found.emplace_back(dests[i].name);
        }
        return found;
    }

    std::string destOption(const char* name) const {
        const char* value = cupsGetOption(name, dest->num_options, dest->options);
        return value != nullptr ? value : "";
    }

    int resolution() {
        ipp_attribute_t* attribute = cupsFindDestDefault(http, dest, info, "printer-resolution");
        if (attribute == nullptr) {
            attribute = cupsFindDestSupported(http, dest, info, "printer-resolution");
        }
        if (attribute == nullptr || ippGetValueTag(attribute) != IPP_TAG_RESOLUTION) return 0;
        int down = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int across = ippGetResolution(attribute, 0, &down, &units);
        return units == IPP_RES_PER_CM ? static_cast<int>(std::lround(across * 2.54)) : across;
    }

    // The size and margins of the medium; the printer's default medium for an empty keyword.
    // The printer's default medium. cupsGetDestMediaDefault gives the first size a label printer
    // lists (its smallest label), and a lookup of a custom size may give the largest custom size
    // instead: the size is read from the default's self-describing name, and the lookup gives
    // only the margins, when it found that very size. The name is copied at once, as the
    // lookups reuse the storage it points into.
    bool defaultMedium(cups_size_t& size) {
        ipp_attribute_t* chosen = cupsFindDestDefault(http, dest, info, "media");
        const char* found = chosen != nullptr ? ippGetString(chosen, 0, nullptr) : nullptr;
        const std::string name = found != nullptr ? found : "";
        pwg_media_t* pwg = name.empty() ? nullptr : pwgMediaForPWG(name.c_str());
        if (pwg == nullptr) {
            return cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size) != 0;
        }
        const int width = pwg->width;
        const int length = pwg->length;
        cups_size_t looked{};
        if (cupsGetDestMediaBySize(http, dest, info, width, length, CUPS_MEDIA_FLAGS_DEFAULT,
                                   &looked) &&
            looked.width == width && looked.length == length) {
            size = looked;
            return true;
        }
        size = cups_size_t{};
        snprintf(size.media, sizeof size.media, "%s", name.c_str());
        size.width = width;
        size.length = length;
        return true;
    }

    bool medium(const std::string& keyword, double widthMm, double heightMm, cups_size_t& size) {
        if (info == nullptr) return false;
        if (keyword.empty()) return defaultMedium(size);
        if (cupsGetDestMediaByName(http, dest, info, keyword.c_str(), CUPS_MEDIA_FLAGS_DEFAULT,
                                   &size) != 0) {
            return true;
        }
        return cupsGetDestMediaBySize(http, dest, info,
                                      static_cast<int>(std::lround(widthMm * 100)),
                                      static_cast<int>(std::lround(heightMm * 100)),
                                      CUPS_MEDIA_FLAGS_DEFAULT, &size) != 0;
    }

    // One Get-Job-Attributes or Get-Printer-Attributes request; null when the service is gone.
    ipp_t* ask(ipp_op_t operation, int jobId, const std::vector<const char*>& attributes) {
        ipp_t* request = ippNewRequest(operation);
        std::string uri = destOption("printer-uri-supported");
        if (uri.empty()) uri = std::string("ipp://localhost/printers/") + dest->name;
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
        if (jobId > 0) ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                     cupsUser());
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                      static_cast<int>(attributes.size()), nullptr, attributes.data());
        return cupsDoRequest(http, request, "/");
    }

    // Follows the job until it has printed, failed, or `waitSeconds` have passed (then it is
    // taken as sent: the service has it and nothing went wrong so far).
    void follow(PrintOutcome& outcome, int waitSeconds, const std::function<void()>& waiting) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(waitSeconds);
        for (;;) {
            ipp_t* job = ask(IPP_OP_GET_JOB_ATTRIBUTES, outcome.jobId,
                             {"job-state", "job-state-reasons", "job-printer-state-message"});
            if (job == nullptr) {
                outcome.failure = PrintFailure::ServiceUnreachable;
                outcome.reason = lastError();
                return;
            }
            const int state = enumOf(job, "job-state");
            std::string reason = textOf(job, "job-printer-state-message");
            if (reason.empty()) reason = keywordsOf(job, "job-state-reasons");
            ippDelete(job);
            if (state == IPP_JSTATE_COMPLETED) return;
            if (state >= IPP_JSTATE_STOPPED) {
                outcome.failure = PrintFailure::JobFailed;
                outcome.reason = reason;
                return;
            }
            if (printerStopped(outcome)) return;
            if (std::chrono::steady_clock::now() >= deadline) {
                outcome.stillWaiting = true;
                return;
            }
            if (waiting) waiting();
            std::this_thread::sleep_for(kPollInterval);
        }
    }

    // A stopped printer keeps the job waiting: that is a failure the user must hear of.
    bool printerStopped(PrintOutcome& outcome) {
        ipp_t* printer = ask(IPP_OP_GET_PRINTER_ATTRIBUTES, 0,
                             {"printer-state", "printer-state-message", "printer-state-reasons"});
        if (printer == nullptr) return false;
        const bool stopped = enumOf(printer, "printer-state") == IPP_PSTATE_STOPPED;
        if (stopped) {
            std::string reason = textOf(printer, "printer-state-message");
            if (reason.empty()) reason = keywordsOf(printer, "printer-state-reasons");
            outcome.failure = PrintFailure::JobFailed;
            outcome.stillWaiting = true;
            outcome.reason =
                "プリンタが停止しています（ジョブは待ち行列に残っています）: " + reason;
        }
        ippDelete(printer);
        return stopped;
    }
};

CupsPrinting::CupsPrinting() : state_(std::make_unique<State>()) {}

CupsPrinting::~CupsPrinting() = default;

bool CupsPrinting::printerNames(std::vector<std::string>& names, std::string& reason) {
    if (!state_->list(reason)) return false;
    names = state_->names();
    return true;
}

bool CupsPrinting::choose(const std::string& printerName, const PrinterMedia& media,
                          PrinterFacts& facts, PrintOutcome& failure) {
    State& s = *state_;
    failure.printer = printerName.empty() ? kDefaultPrinterName : printerName;
    if (!s.list(failure.reason)) {
        failure.failure = PrintFailure::ServiceUnreachable;
        return false;
    }
    // "label/wide" names the instance "wide" of the printer "label".
    const size_t slash = printerName.find('/');
    const std::string queue = printerName.substr(0, slash);
    const std::string instance = slash == std::string::npos ? "" : printerName.substr(slash + 1);
    s.dest = cupsGetDest(queue.empty() ? nullptr : queue.c_str(),
                         instance.empty() ? nullptr : instance.c_str(), s.destCount, s.dests);
    if (s.dest == nullptr) {
        const std::vector<std::string> installed = s.names();
        if (!printerName.empty()) {
            failure.failure = PrintFailure::UnknownPrinter;
            failure.reason = joined(installed);
        } else {
            failure.failure = PrintFailure::NoPrinter;
            if (!installed.empty()) {
                failure.reason = "既定のプリンタがありません。使えるプリンタ: " + joined(installed);
            }
        }
        return false;
    }
    facts.name = s.dest->name;
    failure.printer = facts.name;
    s.info = cupsCopyDestInfo(s.http, s.dest);
    facts.dpi = s.info != nullptr ? s.resolution() : 0;
    const std::string type = s.destOption("printer-type");
    facts.colour = type.empty() || (std::strtoul(type.c_str(), nullptr, 10) & CUPS_PRINTER_COLOR);
    facts.mediaWidthMm = media.widthMm;
    facts.mediaHeightMm = media.heightMm;
    cups_size_t size{};
    if (s.medium(media.keyword, media.widthMm, media.heightMm, size)) {
        facts.leftMarginMm = size.left / kHundredthsPerMm;
        facts.topMarginMm = size.top / kHundredthsPerMm;
        facts.rightMarginMm = size.right / kHundredthsPerMm;
        facts.bottomMarginMm = size.bottom / kHundredthsPerMm;
        // The printer's own idea of the medium (its sizes are whole points); a lookup that
        // found another size altogether keeps the requested one.
        const double width = size.width / kHundredthsPerMm;
        const double height = size.length / kHundredthsPerMm;
        if (media.keyword.empty() ||
            (std::abs(width - media.widthMm) < 1 && std::abs(height - media.heightMm) < 1)) {
            facts.mediaWidthMm = width;
            facts.mediaHeightMm = height;
        }
    }
    return true;
}

PrintOutcome CupsPrinting::submitPdf(const std::string& pdfPath, const CupsJobOptions& options,
                                     int waitSeconds, const std::function<void()>& waiting) {
    State& s = *state_;
    PrintOutcome outcome;
    outcome.printer = s.dest != nullptr ? s.dest->name : kDefaultPrinterName;
    if (s.dest == nullptr) {
        outcome.failure = PrintFailure::NoPrinter;
        return outcome;
    }
    cups_option_t* jobOptions = nullptr;
    int count = 0;
    if (options.media.rfind("Custom.", 0) == 0) {
        // A driver's queue matches a custom "media" to the nearest label it lists and centres
        // the page on that; its own page size option takes the size as it is.
        count = cupsAddOption("PageSize", options.media.c_str(), count, &jobOptions);
    } else if (!options.media.empty()) {
        count = cupsAddOption("media", options.media.c_str(), count, &jobOptions);
    }
    // The page is composed as large as the paper and in its orientation: printed as it is.
    count = cupsAddOption("print-scaling", "none", count, &jobOptions);
    count = cupsAddOption("fit-to-page", "false", count, &jobOptions);
    if (options.copies > 1) {
        count = cupsAddIntegerOption("copies", options.copies, count, &jobOptions);
    }
    if (options.monochrome) {
        count = cupsAddOption("print-color-mode", "monochrome", count, &jobOptions);
    }
    // The user's own defaults for the printer (lpoptions: darkness, speed, ...), as lp takes
    // them, but never a paper of their own.
    const bool paperSet = cupsGetOption("media", count, jobOptions) != nullptr ||
                          cupsGetOption("PageSize", count, jobOptions) != nullptr;
    for (int i = 0; i < s.dest->num_options; ++i) {
        const cups_option_t& option = s.dest->options[i];
        const std::string name = option.name;
        if (paperSet && (name == "media" || name == "PageSize" || name == "PageRegion")) continue;
        if (cupsGetOption(option.name, count, jobOptions) != nullptr) continue;
        count = cupsAddOption(option.name, option.value, count, &jobOptions);
    }
    outcome.jobId = cupsPrintFile2(s.http, s.dest->name, pdfPath.c_str(), options.title.c_str(),
                                   count, jobOptions);
    cupsFreeOptions(count, jobOptions);
    if (outcome.jobId == 0) {
        outcome.failure =
            serviceGone(cupsLastError()) ? PrintFailure::ServiceUnreachable : PrintFailure::Refused;
        outcome.reason = lastError();
        return outcome;
    }
    s.follow(outcome, waitSeconds, waiting);
    return outcome;
}

}  // namespace qv
