#include "cli/cli.h"

#include <optional>

#include "settings/main_entries.h"
#include "app/make_command.h"
#include "base/cp932.h"
#include "base/program_version.h"
#include "settings/app_settings.h"
#include "store/regedit4_file.h"

namespace mogura {
namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  mogura-cli make [--settings FILE.reg] [--folder DIR] [--drawer TITLE]\n"
    "                  [--kind diary|pet|event] [--out PATH | --desktop] [--yes] [--open]\n"
    "                  [--charset shift_jis|utf-8] [--feed-url URL] [--rewrite] [--report]\n"
    "  mogura-cli settings export OUT.reg [--settings FILE.reg]\n"
    "  mogura-cli --help | --version\n"
    "\n"
    "make      writes the HTML pages of one drawer as the make button does.\n"
    "  --settings FILE.reg  read the settings from this file instead of the user's own\n"
    "  --folder DIR         read the drawers of this receive folder (this run only)\n"
    "  --drawer TITLE       the drawer to read, e.g. the inbox\n"
    "  --kind KIND          diary (the pet's diary), pet (mail from the pet), event (park events)\n"
    "  --out PATH           write to PATH;  --desktop  write onto the desktop\n"
    "  --yes                answer Yes to questions (else they are answered No)\n"
    "  --open               open the written page with its associated program\n"
    "  --charset NAME       write the pages in shift_jis or in utf-8 (with a byte-order mark)\n"
    "  --feed-url URL       write an Atom feed for pages uploaded to URL (http or https);\n"
    "                       an empty URL writes no feed\n"
    "  --rewrite            write every file, even one whose bytes would not change\n"
    "  --report             print each file of the run: written<TAB>PATH or unchanged<TAB>PATH\n"
    "  On success the written page (the single page or the index) is printed.\n"
    "settings export        writes the settings, as the program saves them, to a new file.\n"
    "\n"
    "Exit status: 0 done, 1 the job failed, 2 usage error or unreadable settings.\n";



struct MakeOptions {
  std::optional<std::string> settingsFile;
  std::optional<std::string> folder;
  std::optional<std::string> drawer;
  std::optional<MailKind> kind;
  std::optional<std::string> out;
  bool desktop = false;
  bool yes = false;
  bool open = false;
  std::optional<bool> utf8;
  std::optional<std::string> feedUrl;
  bool rewrite = false;
  bool report = false;
};

// Message boxes become text on standard error; a question is answered Yes only with --yes.
class ConsoleInteraction : public UserInteraction {
 public:
  ConsoleInteraction(CliPlatform& platform, bool yes) : platform_(platform), yes_(yes) {}
  MessageAnswer messageBox(const std::string& text, MessageIcon, MessageButtons buttons,
                           MessageAnswer) override {
    platform_.write(ConsoleStream::Error, text + "\n");
    switch (buttons) {
      case MessageButtons::Ok: return MessageAnswer::Ok;
      case MessageButtons::OkCancel: return yes_ ? MessageAnswer::Ok : MessageAnswer::Cancel;
      default: return yes_ ? MessageAnswer::Yes : MessageAnswer::No;
    }
  }
  void setWaitCursor(bool) override {}

 private:
  CliPlatform& platform_;
  bool yes_;
};

class Cli {
 public:
  explicit Cli(CliPlatform& platform) : platform_(platform) {}

  int run(const std::vector<std::string>& args) {
    if (args.empty()) return usageError("no command given; try mogura-cli --help");
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
      platform_.write(ConsoleStream::Out, kUsage);
      return kCliSuccess;
    }
    if (args.size() == 1 && args[0] == "--version") {
      platform_.write(ConsoleStream::Out, "mogura-cli " + std::string(kVersionText) + "\n");
      return kCliSuccess;
    }
    if (args[0] == "make") return make(std::vector<std::string>(args.begin() + 1, args.end()));
    if (args[0] == "settings") return settings(std::vector<std::string>(args.begin() + 1, args.end()));
    return usageError("unknown command '" + args[0] + "'; try mogura-cli --help");
  }

 private:
  int usageError(const std::string& reason) {
    platform_.write(ConsoleStream::Error, "mogura-cli: " + reason + "\n");
    return kCliUsageError;
  }

  // Takes the value of option args[*i]; false (with the usage error written) when it is missing.
  bool takeValue(const std::vector<std::string>& args, std::size_t* i, std::optional<std::string>* value) {
    if (*i + 1 >= args.size()) {
      usageError("option " + args[*i] + " needs a value");
      return false;
    }
    *value = args[++*i];
    return true;
  }

  int make(const std::vector<std::string>& args) {
    MakeOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string& arg = args[i];
      std::optional<std::string> kindName;
      if (arg == "--settings") {
        if (!takeValue(args, &i, &options.settingsFile)) return kCliUsageError;
      } else if (arg == "--folder") {
        if (!takeValue(args, &i, &options.folder)) return kCliUsageError;
      } else if (arg == "--drawer") {
        if (!takeValue(args, &i, &options.drawer)) return kCliUsageError;
      } else if (arg == "--kind") {
        if (!takeValue(args, &i, &kindName)) return kCliUsageError;
        if (*kindName == "diary") options.kind = kDiaryKind;
        else if (*kindName == "pet") options.kind = kPetMailKind;
        else if (*kindName == "event") options.kind = kEventMailKind;
        else return usageError("unknown kind '" + *kindName + "'; use diary, pet or event");
      } else if (arg == "--out") {
        if (!takeValue(args, &i, &options.out)) return kCliUsageError;
      } else if (arg == "--desktop") {
        options.desktop = true;
      } else if (arg == "--yes") {
        options.yes = true;
      } else if (arg == "--open") {
        options.open = true;
      } else if (arg == "--charset") {
        std::optional<std::string> charset;
        if (!takeValue(args, &i, &charset)) return kCliUsageError;
        if (EqualsNoCase(*charset, "utf-8")) options.utf8 = true;
        else if (EqualsNoCase(*charset, "shift_jis")) options.utf8 = false;
        else return usageError("unknown charset '" + *charset + "'; use shift_jis or utf-8");
      } else if (arg == "--feed-url") {
        if (!takeValue(args, &i, &options.feedUrl)) return kCliUsageError;
        if (!options.feedUrl->empty() && !IsWebAddress(*options.feedUrl))
          return usageError("the feed address '" + *options.feedUrl + "' is not an http or https address");
      } else if (arg == "--rewrite") {
        options.rewrite = true;
      } else if (arg == "--report") {
        options.report = true;
      } else {
        return usageError("unknown option '" + arg + "' for make; try mogura-cli --help");
      }
    }
    if (options.out && options.desktop) return usageError("--out and --desktop cannot be used together");

    auto tree = std::make_shared<MemoryTree>();
    if (!loadStore(options.settingsFile, tree.get())) return kCliUsageError;
    const SettingsKey root = MemoryRootKey(tree);
    AppSettings settings;
    settings.Load(root);
    MainEntries entries;
    entries.Load(root);

    if (options.folder) {
      std::string folder = *options.folder;
      // The last byte may be the trail byte of "ソ" (0x83 0x5C): only a real separator counts.
      const char separator = platform_.files.separator();
      if (folder.empty() || FindLastCharDbcs(folder, separator) != folder.size() - 1) folder += separator;
      if (!settings.petFolders.AddFolder(folder)) settings.petFolders.SelectFolder(folder);
    }
    if (!settings.petFolders.HasActiveFolder())
      return usageError("no receive folder to read; give one with --folder DIR");
    if (options.drawer) entries.targetBox = *options.drawer;
    if (entries.targetBox.empty()) return usageError("no drawer to read; give one with --drawer TITLE");
    if (options.kind) settings.kind = *options.kind;
    if (options.utf8) settings.publish.setUtf8(*options.utf8);
    if (options.feedUrl) settings.publish.setFeedUrl(*options.feedUrl);
    if (options.rewrite) settings.publish.setKeepUnchanged(false);

    MakeRequest request;
    request.drawer = entries.targetBox;
    request.toDesktop = options.desktop || (!options.out && entries.outputDesktop != 0);
    request.typedPath = options.out ? *options.out : entries.outputPath(settings.kind);
    request.openBrowser = options.open;
    if (!request.toDesktop && request.typedPath.empty())
      return usageError("no output path for this kind; give one with --out PATH or use --desktop");
    if (request.toDesktop && platform_.shell.desktopFolder().empty())
      return usageError("the desktop folder is unknown; give an output path with --out PATH");

    ConsoleInteraction ui(platform_, options.yes);
    const MakeOutcome outcome = RunMakeCommand(settings, request, ui, platform_.shell, platform_.files);
    if (options.report) {
      for (const HandledFile& file : outcome.files)
        platform_.write(ConsoleStream::Out, (file.unchanged ? "unchanged\t" : "written\t") + file.path + "\n");
    }
    if (!outcome.ok) return kCliJobFailed;
    if (!outcome.writtenPath.empty()) platform_.write(ConsoleStream::Out, outcome.writtenPath + "\n");
    return kCliSuccess;
  }

  int settings(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != "export") return usageError("use: mogura-cli settings export OUT.reg");
    std::optional<std::string> out, settingsFile;
    for (std::size_t i = 1; i < args.size(); ++i) {
      if (args[i] == "--settings") {
        if (!takeValue(args, &i, &settingsFile)) return kCliUsageError;
      } else if (!args[i].empty() && args[i][0] == '-') {
        return usageError("unknown option '" + args[i] + "' for settings export");
      } else if (!out) {
        out = args[i];
      } else {
        return usageError("settings export takes one output file");
      }
    }
    if (!out || out->empty()) return usageError("settings export needs the output file: OUT.reg");

    auto tree = std::make_shared<MemoryTree>();
    if (!loadStore(settingsFile, tree.get())) return kCliUsageError;
    const SettingsKey root = MemoryRootKey(tree);
    // As at start-up (older stores are converted, in memory only) ...
    AppSettings settings;
    settings.Load(root);
    MainEntries entries;
    entries.Load(root);
    // ... then saved as at the end of a run (the main window's entries, then everything else),
    // into an empty store: values the program does not read are left behind.
    auto saved = std::make_shared<MemoryTree>();
    const SettingsKey savedRoot = MemoryRootKey(saved);
    const bool ok = entries.Save(savedRoot) && settings.Save(savedRoot);
    if (!ok || !WriteFileAtomically(platform_.files, *out, FormatRegedit4(*saved, SettingsRootPath("mogura")))) {
      platform_.write(ConsoleStream::Error, "mogura-cli: cannot write " + *out + "\n");
      return kCliJobFailed;
    }
    return kCliSuccess;
  }

  bool loadStore(const std::optional<std::string>& file, MemoryTree* tree) {
    std::string error;
    bool ok;
    if (file) {
      Regedit4FileStore store("mogura", platform_.files);
      ok = store.load(*file, &error);
      if (ok) tree->replaceContent(*store.tree());
    } else {
      ok = platform_.loadUserStore(tree, &error);
    }
    if (!ok) {
      platform_.write(ConsoleStream::Error,
                      "mogura-cli: cannot read the settings" + (file ? " " + *file : std::string()) + ": " +
                          error + "\n");
    }
    return ok;
  }

  CliPlatform& platform_;
};

}  // namespace

int RunCli(const std::vector<std::string>& args, CliPlatform& platform) { return Cli(platform).run(args); }

}  // namespace mogura
