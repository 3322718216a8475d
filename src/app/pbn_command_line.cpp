#include "pbn_command_line.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <future>
#include <iostream>

#include "common/notifier.h"
#include "common/running_marker.h"
#include "common/strings_resource.h"
#include "common/symbol_text_painter.h"
#include "common/user_files.h"
#include "handfile/big_ini_file.h"
#include "pbn/pbn_export.h"
#include "pbn/pbn_import.h"

namespace tavlo {

namespace {

constexpr std::string_view ImportForm = "--import-pbn", ExportForm = "--export-pbn";

// Without a display the messages of the string tables go to the error
// stream instead of a message box.
class StreamNotifier final : public Notifier {
 public:
  explicit StreamNotifier(std::ostream& err) : err_(err), previous_(Install(this)) {}
  ~StreamNotifier() override { Install(previous_); }
  StreamNotifier(const StreamNotifier&) = delete;
  StreamNotifier& operator=(const StreamNotifier&) = delete;
  void ShowMessage(const QString& text) override { err_ << text.toStdString() << '\n'; }
  bool AskQuestion(const QString&) override { return false; }

 private:
  std::ostream& err_;
  Notifier* previous_;
};

// How often the count of boards is looked at: a bar that moves smoothly, and
// no cost to the work.
constexpr std::chrono::milliseconds ProgressPoll(50);
constexpr int BarWidth = 40;

// The boards begun of all, redrawn in place on a terminal.
void DrawBar(std::ostream& err, int done, int total) {
  const int filled = total > 0 ? BarWidth * done / total : 0;
  err << "\r[" << std::string(filled, '#') << std::string(BarWidth - filled, ' ') << "] board "
      << done << " of " << total << std::flush;
}

// Runs work(JobControl&) on a thread of its own and tells on err, while it
// runs, which board of how many it is at: a line per board begun ("board 12
// of 86"), or a bar drawn over itself when err is a terminal. The answer,
// once the work is done.
template <typename Work>
auto WithProgress(Work work, std::ostream& err, bool terminal) {
  JobControl job;
  auto answer = std::async(std::launch::async, [&work, &job] { return work(job); });
  int told = 0;
  for (bool over = false; !over;) {
    over = answer.wait_for(ProgressPoll) == std::future_status::ready;
    const int done = job.Done(), total = job.Total();
    if (terminal) {
      if (done != told) DrawBar(err, done, total);
      told = done;
    } else {
      while (told < done) err << "board " << ++told << " of " << total << '\n';
    }
  }
  if (terminal && told > 0) err << '\n';
  return answer.get();
}

}  // namespace

std::optional<int> RunPbnCommandLine(const QStringList& arguments, const QString& programFolder,
                                     std::ostream& out, std::ostream& err, bool terminal) {
  if (arguments.size() < 2) return std::nullopt;
  const std::string form = arguments[1].toStdString();
  if (form != ImportForm && form != ExportForm) return std::nullopt;
  if (arguments.size() != 3) {
    err << "Usage: tavlo " << form << " FILE\n";
    return 2;
  }
  // Named from where the user stands, before the user folder becomes the
  // current folder.
  const QString pbnFile = QFileInfo(arguments[2]).absoluteFilePath();
  // The hand file the table would open, the user's own copy, opened as the
  // table opens it.
  const UserFiles files = OpenUserFiles(programFolder);
  if (!files.FolderProblem.isEmpty()) {
    err << files.FolderProblem.toStdString() << '\n';
    return 1;
  }
  // A running copy holds the hand file in memory and would write its own
  // copy back over the hands added here.
  const RunningMarker marker(files.Folders.User);
  if (!marker.Held()) {
    err << AlreadyRunningMessage << " Close it first.\n";
    return 1;
  }
  TBigIniFile& store = *files.HandStore;
  if (!store.Loaded()) {
    err << store.Loaded().Error() << '\n';
    return 1;
  }
  if (form == ImportForm) {
    QFile file(pbnFile);
    if (!file.open(QIODevice::ReadOnly)) {
      err << "The file " << pbnFile.toStdString() << " could not be read.\n";
      return 1;
    }
    const QByteArray bytes = file.readAll();
    PbnImportPlan plan = WithProgress(
        [&bytes](JobControl& job) {
          return PlanPbnImport({bytes.constData(), static_cast<std::size_t>(bytes.size())}, &job);
        },
        err, terminal);
    const PbnImportResult result = AddImportedHands(store, std::move(plan));
    // A card a reason names reads with its suit's sign, as in the window.
    out << SymbolPlainText(QString::fromStdString(ImportReport(result))).toStdString() << '\n';
    return result.Sections ? 0 : 1;
  }
  const StreamNotifier notifier(err);
  std::vector<std::string> alertTexts;
  LoadStringsResource("Alerts", alertTexts);
  std::vector<std::string> problems;
  std::vector<PbnExportBoard> boards =
      ExportBoards(store, SectionsInBoardOrder(store), alertTexts, problems);
  PbnExportResult result = WithProgress(
      [&boards, file = pbnFile.toStdString()](JobControl& job) {
        return WritePbnFile(std::move(boards), file, true, &job);
      },
      err, terminal);
  result.Problems = std::move(problems);
  out << SymbolPlainText(QString::fromStdString(ExportReport(result, pbnFile.toStdString())))
             .toStdString()
      << '\n';
  return result.Count ? 0 : 1;
}

std::optional<int> PbnCommandLine(int argc, char* argv[]) {
  if (argc < 2 || (argv[1] != ImportForm && argv[1] != ExportForm)) return std::nullopt;
  // A core application gives the program folder and needs no display; its
  // name names the user's data folder.
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("Tavlo");
  return RunPbnCommandLine(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(),
                           std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}

}  // namespace tavlo
