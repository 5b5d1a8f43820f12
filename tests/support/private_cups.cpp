#include "tests/support/private_cups.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cups/cups.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace qv::test {
namespace {

using Clock = std::chrono::steady_clock;

bool fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

// The program's full path: as given when it has a slash, else the first match on PATH and in
// the sbin folders, where lpadmin and cupsreject live but a non-root PATH often does not look.
std::string findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    const char* path = std::getenv("PATH");
    std::string folders = std::string(path ? path : "") + ":/usr/sbin:/usr/bin:/sbin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return name;
}

// This process's environment with the variables named in `replace` (by their "NAME=" prefix)
// taken out and `add` put in.
std::vector<std::string> environmentWith(const std::vector<std::string>& replace,
                                         const std::vector<std::string>& add) {
    std::vector<std::string> out;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string variable(*entry);
        bool dropped = false;
        for (const std::string& prefix : replace)
            dropped = dropped || variable.compare(0, prefix.size(), prefix) == 0;
        if (!dropped) out.push_back(variable);
    }
    out.insert(out.end(), add.begin(), add.end());
    return out;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        if (!line.empty()) out += line + "\n";
    return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    out.reserve(strings.size() + 1);
    for (std::string& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Starts `argv` with stdin from /dev/null and stdout and stderr into `outputFd`. With
// `dieWithParent` the child is sent SIGTERM should this process die first, so a crashed test
// leaves no scheduler behind. The pid, or -1.
pid_t spawn(std::vector<std::string> argv, std::vector<std::string> env, int outputFd,
            bool dieWithParent) {
    const std::string program = findProgram(argv.front());
    std::vector<char*> args = pointers(argv);
    std::vector<char*> envp = pointers(env);
    const pid_t parent = getpid();
    const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (devNull < 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        // Only async-signal-safe calls from here on.
        if (dieWithParent && (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent))
            _exit(126);
        if (dup2(devNull, 0) < 0 || dup2(outputFd, 1) < 0 || dup2(outputFd, 2) < 0) _exit(126);
        execve(program.c_str(), args.data(), envp.data());
        _exit(127);
    }
    close(devNull);
    return pid;
}

std::string text(ipp_attribute_t* attribute, int index) {
    const char* value = ippGetString(attribute, index, nullptr);
    return value ? value : "";
}

int exitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The error and warning lines of a scheduler log.
std::string problemLines(const std::string& log) {
    std::string out;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        if (log.compare(start, 2, "E ") == 0 || log.compare(start, 2, "W ") == 0)
            out += log.substr(start, end + 1 - start);
        start = end + 1;
    }
    return out;
}

}  // namespace

PrivateCups::~PrivateCups() {
    Stop();
}

std::string PrivateCups::outputFile(const std::string& name) const {
    return folder_ + "/out/" + name;
}

bool PrivateCups::writeConfiguration(std::string* error) {
    // The filters run as lp and must get through every folder above what they open; /tmp keeps
    // that true whatever TMPDIR says, and keeps the socket path short (at most 107 bytes).
    std::string pattern = "/tmp/qvcups-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return fail(error, std::string("cannot make the folder: ") + std::strerror(errno));
    folder_ = pattern;
    socket_ = folder_ + "/cups.sock";
    if (chmod(folder_.c_str(), 0755) != 0) return fail(error, "cannot open up " + folder_);
    for (const char* sub : {"etc", "etc/ppd", "etc/ssl", "spool", "spool/tmp", "cache", "state",
                            "log", "out", "home"}) {
        if (mkdir((folder_ + "/" + sub).c_str(), 0755) != 0)
            return fail(error, std::string("cannot make ") + sub + ": " + std::strerror(errno));
    }

    const bool root = geteuid() == 0;
    std::string runAs;
    if (root) {
        // cupsd refuses to run filters as root; it uses lp, which must be able to write where
        // the queues' output goes.
        const passwd* user = getpwnam("lp");
        const group* lpGroup = getgrnam("lp");
        if (user == nullptr || lpGroup == nullptr)
            return fail(error, "there is no lp user or group for cupsd to run its filters as");
        runAs = "User lp\nGroup lp";
        if (chown((folder_ + "/out").c_str(), user->pw_uid, lpGroup->gr_gid) != 0 ||
            chmod((folder_ + "/out").c_str(), 0775) != 0)
            return fail(error, "cannot hand the output folder to lp");
    }

    const std::string files = joinLines({
        "ServerRoot " + folder_ + "/etc",
        "ServerKeychain " + folder_ + "/etc/ssl",
        "RequestRoot " + folder_ + "/spool",
        "TempDir " + folder_ + "/spool/tmp",
        "CacheDir " + folder_ + "/cache",
        "StateDir " + folder_ + "/state",
        "Printcap " + folder_ + "/state/printcap",
        "ErrorLog " + folder_ + "/log/error_log",
        "AccessLog " + folder_ + "/log/access_log",
        "PageLog " + folder_ + "/log/page_log",
        "LogFilePerm 0644",
        "FileDevice Yes",
        "CreateSelfSignedCerts No",
        "PeerCred on",
        "SystemGroup root",
        runAs,
    });
    // No Port line: the socket is the only way in. Every operation is open to every client, so
    // lpadmin needs no password.
    const std::string daemon = joinLines({
        "LogLevel debug",
        "MaxLogSize 0",
        "Listen " + socket_,
        "Browsing No",
        "BrowseLocalProtocols none",
        "DefaultShared No",
        "WebInterface No",
        "DefaultAuthType None",
        "<Location />",
        "  Order allow,deny",
        "  Allow all",
        "</Location>",
        "<Policy default>",
        "  JobPrivateAccess all",
        "  JobPrivateValues none",
        "  SubscriptionPrivateAccess all",
        "  SubscriptionPrivateValues none",
        "  <Limit All>",
        "    Order deny,allow",
        "    Allow all",
        "  </Limit>",
        "</Policy>",
    });
    if (!writeText(folder_ + "/etc/cups-files.conf", files) ||
        !writeText(folder_ + "/etc/cupsd.conf", daemon))
        return fail(error, "cannot write the configuration into " + folder_);
    return true;
}

bool PrivateCups::Start(std::string* error, std::chrono::milliseconds timeout) {
    if (running()) return fail(error, "already running");
    if (!writeConfiguration(error)) {
        Stop();
        return false;
    }
    const std::string consolePath = folder_ + "/log/cupsd_output";
    const int console = open(consolePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (console < 0) {
        Stop();
        return fail(error, "cannot open " + consolePath);
    }
    // -f keeps cupsd in the foreground as our own child, so its pid is the one we stop.
    pid_ = spawn({"/usr/sbin/cupsd", "-f", "-c", folder_ + "/etc/cupsd.conf", "-s",
                  folder_ + "/etc/cups-files.conf"},
                 environmentWith({"CUPS_"}, {}), console, true);
    close(console);
    if (pid_ < 0) {
        pid_ = 0;
        Stop();
        return fail(error, "cannot start /usr/sbin/cupsd");
    }

    const auto deadline = Clock::now() + timeout;
    std::string last;
    while (true) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = 0;
            last = "cupsd exited with status " + std::to_string(exitStatus(status));
            break;
        }
        const ToolResult answer = runTool({"lpstat", "-r"}, std::chrono::seconds(5));
        if (answer.status == 0 && answer.output == "scheduler is running\n") return true;
        last = answer.output;
        if (Clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const std::string message =
        "cupsd did not come up: " + last + "\n" + readText(consolePath) + problemLines(errorLog());
    Stop();
    return fail(error, message);
}

void PrivateCups::Stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        int status = 0;
        pid_t done = 0;
        while (((done = waitpid(pid_, &status, WNOHANG)) == 0 || (done < 0 && errno == EINTR)) &&
               Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (done <= 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = 0;
    }
    if (environmentSet_) {
        if (previousServer_)
            setenv("CUPS_SERVER", previousServer_->c_str(), 1);
        else
            unsetenv("CUPS_SERVER");
        environmentSet_ = false;
        previousServer_.reset();
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        folder_.clear();
        socket_.clear();
    }
}

void PrivateCups::useForThisProcess() {
    if (!environmentSet_) {
        const char* previous = std::getenv("CUPS_SERVER");
        if (previous) previousServer_ = previous;
        environmentSet_ = true;
    }
    setenv("CUPS_SERVER", socket_.c_str(), 1);
}

ToolResult PrivateCups::runTool(const std::vector<std::string>& argv,
                                std::chrono::milliseconds timeout) const {
    ToolResult result;
    // Without our socket the tools would reach the machine's own print service.
    if (socket_.empty()) {
        result.output = "the private scheduler is not running";
        return result;
    }
    int fds[2];
    if (argv.empty() || pipe2(fds, O_CLOEXEC) != 0) return result;
    // The tools speak English here, and a user's lpoptions (a default printer, say) or a
    // PRINTER variable cannot change what they do.
    const pid_t pid = spawn(
        argv,
        environmentWith(
            {"CUPS_SERVER=", "HOME=", "LPDEST=", "PRINTER=", "LC_ALL=", "LC_MESSAGES=", "LANG="},
            {"CUPS_SERVER=" + socket_, "HOME=" + folder_ + "/home", "LC_ALL=C.UTF-8"}),
        fds[1], false);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return result;
    }
    const auto deadline = Clock::now() + timeout;
    bool timedOut = false;
    char buffer[4096];
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd readable{fds[0], POLLIN, 0};
        const int ready = poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue;
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        result.output.append(buffer, static_cast<size_t>(got));
    }
    close(fds[0]);
    if (timedOut) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = timedOut ? -1 : exitStatus(status);
    if (timedOut) result.output += "\n(killed: no answer in time)\n";
    return result;
}

bool PrivateCups::admin(const std::vector<std::string>& argv, std::string* error) const {
    const ToolResult result = runTool(argv);
    if (result.status == 0) return true;
    std::string command;
    for (const std::string& word : argv) command += word + " ";
    return fail(error, command + "failed: " + result.output);
}

bool PrivateCups::addQueue(const std::string& name, const std::string& deviceUri,
                           const std::string& model, const std::vector<std::string>& options,
                           std::string* error) {
    // -E after -p enables the queue and makes it accept jobs.
    std::vector<std::string> argv = {"lpadmin", "-p", name, "-E", "-v", deviceUri, "-m", model};
    for (const std::string& option : options) {
        argv.push_back("-o");
        argv.push_back(option);
    }
    return admin(argv, error);
}

namespace {

// A PDF printer whose printable area is the whole sheet, as PDF queues and label printers have:
// the fixed sheets of the label program (JIS B) and custom sizes up to 500 x 500 mm.
constexpr const char* kFullPagePdfPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "FULLPDF.PPD"
*Manufacturer: "Test"
*Product: "(Full Page PDF)"
*ModelName: "Full Page PDF"
*ShortNickName: "Full Page PDF"
*NickName: "Full Page PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 1.0
*cupsManualCopies: True
*cupsFilter: "application/vnd.cups-pdf 0 -"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: ""
*PageSize A3: ""
*PageSize B4: ""
*PageSize B5: ""
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*DefaultPageRegion: A4
*PageRegion A4: ""
*PageRegion A3: ""
*PageRegion B4: ""
*PageRegion B5: ""
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4: "0 0 595 842"
*ImageableArea A3: "0 0 842 1191"
*ImageableArea B4: "0 0 728.50 1031.81"
*ImageableArea B5: "0 0 515.91 728.50"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
*PaperDimension A3: "842 1191"
*PaperDimension B4: "728.50 1031.81"
*PaperDimension B5: "515.91 728.50"
*HWMargins: 0 0 0 0
*MaxMediaWidth: "1417"
*MaxMediaHeight: "1417"
*CustomPageSize True: ""
*DefaultResolution: 600dpi
)ppd";

}  // namespace

bool PrivateCups::addPdfQueue(const std::string& name, const std::string& outputFile,
                              std::string* error) {
    const std::string ppd = folder_ + "/full-page-pdf.ppd";
    std::ofstream(ppd) << kFullPagePdfPpd;
    return admin({"lpadmin", "-p", name, "-E", "-v", "file:" + outputFile, "-P", ppd}, error);
}

bool PrivateCups::addMarginPdfQueue(const std::string& name, const std::string& outputFile,
                                    std::string* error) {
    return addQueue(name, "file:" + outputFile, kPdfModel, {"emit-jcl-default=false"}, error);
}

bool PrivateCups::addThermalQueue(const std::string& name, const std::string& outputFile,
                                  std::string* error, int dpi) {
    return addQueue(name, "file:" + outputFile, kThermalModel,
                    {"Resolution=" + std::to_string(dpi) + "dpi"}, error);
}

bool PrivateCups::addRejectingQueue(const std::string& name, std::string* error) {
    return addQueue(name, "file:///dev/null", kPdfModel, {}, error) &&
           admin({"cupsreject", "-r", "not taking jobs", name}, error);
}

bool PrivateCups::setDefaultQueue(const std::string& name, std::string* error) {
    return admin({"lpadmin", "-d", name}, error);
}

std::optional<std::vector<CupsJob>> PrivateCups::jobs() const {
    if (socket_.empty()) return std::nullopt;
    http_t* http = httpConnect2(socket_.c_str(), 631, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1,
                                5000, nullptr);
    if (http == nullptr) return std::nullopt;
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 "ipp://localhost/");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    static const char* const kWanted[] = {"job-id", "job-printer-uri", "job-state",
                                          "job-state-reasons", "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(kWanted)), nullptr, kWanted);
    ipp_t* response = cupsDoRequest(http, request, "/");
    httpClose(http);
    if (response == nullptr || ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return std::nullopt;
    }
    std::vector<CupsJob> found;
    bool inJob = false;
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (ippGetGroupTag(a) != IPP_TAG_JOB || ippGetName(a) == nullptr) {
            inJob = false;
            continue;
        }
        if (!inJob) found.emplace_back();
        inJob = true;
        CupsJob& job = found.back();
        const std::string name = ippGetName(a);
        if (name == "job-id") {
            job.id = ippGetInteger(a, 0);
        } else if (name == "job-printer-uri") {
            const std::string uri = text(a, 0);
            job.printer = uri.substr(uri.rfind('/') + 1);
        } else if (name == "job-state") {
            job.state = ippEnumString("job-state", ippGetInteger(a, 0));
        } else if (name == "job-state-reasons") {
            for (int i = 0; i < ippGetCount(a); ++i) job.reasons += (i ? "," : "") + text(a, i);
        } else if (name == "job-printer-state-message") {
            job.message = text(a, 0);
        }
    }
    ippDelete(response);
    return found;
}

bool PrivateCups::waitForJobsDone(std::chrono::milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        if (const auto all = jobs()) {
            bool busy = false;
            for (const CupsJob& job : *all)
                busy = busy || job.state == "pending" || job.state == "processing";
            if (!busy) return true;
        }
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

std::string PrivateCups::errorLog() const {
    return folder_.empty() ? std::string() : readText(folder_ + "/log/error_log");
}

}  // namespace qv::test
