#include "tool/tool_commands.h"

#include "document/export_grid.h"
#include "document/ipuz_file.h"
#include "document/puz_file.h"
#include "document/puzzle_file.h"
#include "document/web_page.h"
#include "document/word_list.h"
#include "grid/connected_grid.h"
#include "grid/generator.h"
#include "grid/grid_pieces.h"
#include "platform/file_store.h"
#include "play/play_grid.h"
#include "print/pdf_page.h"
#include "view/grid_colour.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

namespace {

std::string Where(const std::string &path)
{
    return "gridly-tool: " + path + ": ";
}

QString QPath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The files and options of a command line; nullopt after saying what is wrong.
struct Arguments {
    std::vector<std::string> files;
    std::map<std::string, std::string> options;  // a flag maps to ""
};

std::optional<Arguments> Parse(const std::vector<std::string> &args, std::size_t files,
                               const std::vector<std::string> &flags, const std::vector<std::string> &valued,
                               const std::string &usage, std::ostream &err)
{
    Arguments result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto known = [&](const std::vector<std::string> &names) {
            return std::find(names.begin(), names.end(), arg) != names.end();
        };
        if (known(flags)) {
            result.options[arg] = "";
        } else if (known(valued) && i + 1 < args.size()) {
            result.options[arg] = args[++i];
        } else if (arg.starts_with("--") || known(valued)) {
            err << "gridly-tool: " << (known(valued) ? arg + " needs a value" : "unknown option " + arg)
                << "\nusage: gridly-tool " << usage << "\n";
            return std::nullopt;
        } else {
            result.files.push_back(arg);
        }
    }
    if (result.files.size() != files) {
        err << "usage: gridly-tool " << usage << "\n";
        return std::nullopt;
    }
    return result;
}

// The open path of the program: the file read whole and checked, the puzzle
// rebuilt from it, and its stored answers in the player's grid when every
// word is placed.
bool OpenPuzzle(const std::string &path, Puzzle &p, std::ostream &err)
{
    const FileRead file = ReadWholeFile(QPath(path));
    if (!file.error.isEmpty()) {
        err << Where(path) << file.error.toStdString() << "\n";
        return false;
    }
    const PuzzleFileRead read =
        ReadPuzzleFile(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
    if (read.status != PuzzleFileStatus::Ok) {
        err << Where(path) << (read.status == PuzzleFileStatus::NotGridly ? "Invalid Gridly File" : read.failure)
            << "\n";
        return false;
    }
    ApplyPuzzleFile(p, read.contents);
    ChooseGridColour(p, read.contents.gboxidx);  // the page draws the grid in it, as Print does
    if (p.complete())
        PwordsToPgrid(p);
    return true;
}

// The PDF is drawn with fonts, which need an application, but no display:
// without one named, the page is drawn off screen.
QByteArray DrawPdfPage(const Puzzle &p)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool's standard error carries its own messages only, not the
    // toolkit's notes about the session it runs in.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    int argc = 1;
    char name[] = "gridly-tool";
    char *argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    return PdfPageBytes(p);
}

bool WriteOut(const std::string &path, const std::string &bytes, std::ostream &err)
{
    const QString error = WriteWholeFile(QPath(path), QByteArray::fromStdString(bytes));
    if (!error.isEmpty())
        err << Where(path) << error.toStdString() << "\n";
    return error.isEmpty();
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// "auto" (0 x 0) or COLSxROWS, each GRIDMIN..GRIDMAX.
std::optional<std::pair<int, int>> ParseSize(const std::string &text)
{
    if (text == "auto")
        return std::pair{0, 0};
    int cols = 0, rows = 0;
    const char *end = text.data() + text.size();
    const auto [x, colsError] = std::from_chars(text.data(), end, cols);
    if (colsError != std::errc() || x == end || (*x != 'x' && *x != 'X'))
        return std::nullopt;
    const auto [last, rowsError] = std::from_chars(x + 1, end, rows);
    const auto inRange = [](int n) { return n >= GRIDMIN && n <= GRIDMAX; };
    if (rowsError != std::errc() || last != end || !inRange(cols) || !inRange(rows))
        return std::nullopt;
    return std::pair{cols, rows};
}

const std::string EXPORT_USAGE =
    "export PUZZLE.gly OUT.ipuz [--answers] | OUT.puz [--answers] [--lossy] | OUT.pdf [--solution] | OUT.html";
const std::string MAKE_USAGE = "make WORDS.txt OUT.gly [--size auto|COLSxROWS] [--seed N] "
                               "[--connected [--max-size COLSxROWS] [--effort N] [--partial]]";
const std::string CHECK_USAGE = "check PUZZLE.gly";

}  // namespace

int RunExport(const std::vector<std::string> &args, std::ostream &, std::ostream &err)
{
    const auto parsed = Parse(args, 2, {"--answers", "--solution", "--lossy"}, {}, EXPORT_USAGE, err);
    if (!parsed)
        return EXIT_USAGE;
    const std::string &puzzle = parsed->files[0];
    const std::string &out = parsed->files[1];
    const std::string extension = Lower(std::filesystem::path(out).extension().string());
    // The options each format takes.
    const std::map<std::string, std::vector<std::string>> formats{
        {".ipuz", {"--answers"}}, {".puz", {"--answers", "--lossy"}}, {".pdf", {"--solution"}}, {".html", {}}};
    const auto format = formats.find(extension);
    if (format == formats.end()) {
        err << Where(out) << "the name must end in .ipuz, .puz, .pdf or .html\n";
        return EXIT_USAGE;
    }
    for (const auto &[option, value] : parsed->options)
        if (std::find(format->second.begin(), format->second.end(), option) == format->second.end()) {
            err << "gridly-tool: " << option << " does not go with " << extension << "\nusage: gridly-tool "
                << EXPORT_USAGE << "\n";
            return EXIT_USAGE;
        }
    const bool answers = parsed->options.count("--answers") > 0;
    Puzzle p;
    if (!OpenPuzzle(puzzle, p, err))
        return EXIT_REFUSED;
    if (extension == ".pdf") {
        // A worksheet: the numbered grid without its words, unless the solution is asked for.
        ExportGrid grid;
        if (const std::string refusal = ReadExportGrid(p, grid); !refusal.empty()) {
            err << Where(puzzle) << "cannot be printed: " << refusal << "\n";
            return EXIT_REFUSED;
        }
        p.gridwrd = parsed->options.count("--solution") > 0;
        return WriteOut(out, DrawPdfPage(p).toStdString(), err) ? EXIT_DONE : EXIT_REFUSED;
    }
    const std::string title = std::filesystem::path(puzzle).stem().string();
    const bool lossy = parsed->options.count("--lossy") > 0;
    ExportFile file;
    if (extension == ".ipuz")
        file = WriteIpuzFile(p, title, answers);
    else if (extension == ".puz")
        file = WritePuzFile(p, title, answers, true);
    else
        file = WriteWebPage(p, title);
    if (!file.refusal.empty()) {
        err << Where(puzzle) << "cannot be written as " << extension << ": " << file.refusal << "\n";
        return EXIT_REFUSED;
    }
    // A text .puz would change is the one refusal an option overrides.
    if (const auto change = extension == ".puz" && !lossy ? FirstPuzTextChange(p, title) : std::nullopt) {
        err << Where(puzzle) << "cannot be written as .puz: " << PuzTextChangeText(*change)
            << "; --lossy writes it so\n";
        return EXIT_REFUSED;
    }
    return WriteOut(out, file.bytes, err) ? EXIT_DONE : EXIT_REFUSED;
}

namespace {

// What a make command line asks for, checked.
struct MakeOptions {
    std::string words, out;
    std::pair<int, int> size;  // {0, 0} for auto
    std::pair<int, int> maxSize{GRIDMAX, GRIDMAX};
    int effort = CONNECTED_EFFORT;
    std::optional<uint64_t> seed;
    bool connected = false;
    bool partial = false;
};

template <typename Number>
bool ReadWholeNumber(const std::string &text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The options of make, or nullopt after saying what is wrong with them.
std::optional<MakeOptions> ReadMakeOptions(const std::vector<std::string> &args, std::ostream &err)
{
    const auto parsed =
        Parse(args, 2, {"--connected", "--partial"}, {"--size", "--seed", "--max-size", "--effort"}, MAKE_USAGE, err);
    if (!parsed)
        return std::nullopt;
    const auto option = [&](const std::string &name) {
        const auto found = parsed->options.find(name);
        return found == parsed->options.end() ? std::optional<std::string>() : found->second;
    };
    MakeOptions options;
    options.words = parsed->files[0];
    options.out = parsed->files[1];
    if (!options.out.ends_with(".gly")) {
        err << Where(options.out) << "the name must end in .gly\n";
        return std::nullopt;
    }
    options.connected = option("--connected").has_value();
    options.partial = option("--partial").has_value();
    for (const char *name : {"--max-size", "--effort", "--partial"}) {
        if (option(name) && !options.connected) {
            err << "gridly-tool: " << name << " goes only with --connected\nusage: gridly-tool " << MAKE_USAGE << "\n";
            return std::nullopt;
        }
    }
    const auto size = ParseSize(option("--size").value_or("auto"));
    if (!size) {
        err << "gridly-tool: --size takes auto or COLSxROWS, each between " << GRIDMIN << " and " << GRIDMAX
            << ", not \"" << *option("--size") << "\"\n";
        return std::nullopt;
    }
    options.size = *size;
    if (const auto text = option("--max-size")) {
        const auto maxSize = ParseSize(*text);
        if (!maxSize || maxSize->first == 0) {
            err << "gridly-tool: --max-size takes COLSxROWS, each between " << GRIDMIN << " and " << GRIDMAX
                << ", not \"" << *text << "\"\n";
            return std::nullopt;
        }
        if (size->first != 0) {
            err << "gridly-tool: --max-size goes only with --size auto\nusage: gridly-tool " << MAKE_USAGE << "\n";
            return std::nullopt;
        }
        options.maxSize = *maxSize;
    }
    if (const auto text = option("--effort")) {
        if (!ReadWholeNumber(*text, options.effort) || options.effort < 1 || options.effort > CONNECTED_EFFORT_MAX) {
            err << "gridly-tool: --effort takes a whole number from 1 to " << CONNECTED_EFFORT_MAX << ", not \""
                << *text << "\"\n";
            return std::nullopt;
        }
    }
    if (const auto text = option("--seed")) {
        uint64_t seed = 0;
        if (!ReadWholeNumber(*text, seed)) {
            err << "gridly-tool: --seed takes a whole number, not \"" << *text << "\"\n";
            return std::nullopt;
        }
        options.seed = seed;
    }
    return options;
}

// Lays the words out as one connected piece and writes it; when some do not
// fit, names them, and writes the grid of the others only with --partial.
int MakeConnected(Puzzle &p, const MakeOptions &options, Sizing sizing, const RandomSource &random, std::ostream &err)
{
    const ConnectedLimits limits{sizing == Sizing::Fixed ? p.gcols : options.maxSize.first,
                                 sizing == Sizing::Fixed ? p.grows : options.maxSize.second, options.effort};
    if (const std::string refusal = ConnectedRefusal(p, limits.maxCols, limits.maxRows); !refusal.empty()) {
        err << Where(options.words) << refusal << "\n";
        return EXIT_REFUSED;
    }
    const ConnectedLayout layout = MakeConnectedLayout(p, limits, random);
    int status = EXIT_DONE;
    if (!layout.complete()) {
        const std::size_t left = layout.leftOut.size();
        err << Where(options.words) << left << " of " << p.nwords << (left == 1 ? " words does" : " words do")
            << " not fit in one connected piece within " << limits.maxCols << " x " << limits.maxRows << ":\n";
        for (const LeftOutWord &word : layout.leftOut)
            err << Where(options.words) << WordName(p, word.word + 1) << ": " << word.reason << "\n";
        if (!options.partial) {
            err << Where(options.out) << "not written; --partial writes the grid without them\n";
            return EXIT_PARTIAL;
        }
        status = EXIT_PARTIAL;
    }
    PlaceConnectedLayout(p, layout, sizing);
    return WriteOut(options.out, WritePuzzleFile(p), err) ? status : EXIT_REFUSED;
}

}  // namespace

int RunMake(const std::vector<std::string> &args, std::ostream &, std::ostream &err)
{
    const std::optional<MakeOptions> options = ReadMakeOptions(args, err);
    if (!options)
        return EXIT_USAGE;
    ProgramRandom random = options->seed ? ProgramRandom(*options->seed) : ProgramRandom();

    const FileRead file = ReadWholeFile(QPath(options->words));
    if (!file.error.isEmpty()) {
        err << Where(options->words) << file.error.toStdString() << "\n";
        return EXIT_REFUSED;
    }
    WordListRead list = ReadWordList(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
    if (!list.refusal.empty()) {
        err << Where(options->words) << list.refusal << "\n";
        return EXIT_REFUSED;
    }
    Puzzle &p = list.puzzle;
    const Sizing sizing = options->size.first == 0 ? Sizing::Auto : Sizing::Fixed;
    if (sizing == Sizing::Fixed) {
        p.gcols = p.gcolsmin = int16_t(options->size.first);
        p.grows = p.growsmin = int16_t(options->size.second);
    }
    if (options->connected)
        return MakeConnected(p, *options, sizing, random.source(), err);
    if (!(sizing == Sizing::Auto ? GenerateAutoSize(p, random.source()) : GenerateFixedSize(p, random.source()))) {
        std::string text(GenerateFailedText(sizing));
        std::replace(text.begin(), text.end(), '\r', ' ');
        err << Where(options->words) << text << "\n";
        return EXIT_REFUSED;
    }
    return WriteOut(options->out, WritePuzzleFile(p), err) ? EXIT_DONE : EXIT_REFUSED;
}

int RunCheck(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const auto parsed = Parse(args, 1, {}, {}, CHECK_USAGE, err);
    if (!parsed)
        return EXIT_USAGE;
    const std::string &path = parsed->files[0];
    Puzzle p;
    if (!OpenPuzzle(path, p, err))
        return EXIT_REFUSED;
    const GridPieces pieces = CountPieces(p);
    out << path << ": opens: " << p.nwords << " words, " << p.nplaced << " in the grid of " << p.gcols << " x "
        << p.grows << " cells; " << pieces.pieces << (pieces.pieces == 1 ? " piece, " : " pieces, ") << pieces.uncrossed
        << (pieces.uncrossed == 1 ? " word crosses" : " words cross") << " nothing\n";
    return EXIT_DONE;
}

std::string ToolUsage()
{
    return "usage: gridly-tool COMMAND ARGUMENTS\n"
           "\n"
           "  gridly-tool "
        + EXPORT_USAGE
        + "\n"
          "      Writes the puzzle for other crossword programs, ipuz (JSON) or Across Lite .puz,\n"
          "      as a printed page (PDF), or as a web page that plays it in a browser.\n"
          "      Every word must be in the grid. The player's grid is empty, or holds the\n"
          "      answers saved with the puzzle with --answers. The title is the puzzle's file\n"
          "      name. A puzzle .puz cannot hold (a one-letter word, a cell other than A-Z or\n"
          "      0-9, letters touching where no word runs) is refused and nothing is written.\n"
          "      .puz text is Latin-1: a title or clue it would change (the euro sign, curly\n"
          "      quotes, dashes ...) is named and refused; --lossy writes it with plain\n"
          "      look-alikes (EUR, \", ', -, ...).\n"
          "      OUT.pdf is the page Print prints: the numbered grid and the clues, with the\n"
          "      grid's words only with --solution.\n"
          "      OUT.html is one self-contained page: the grid and the clue lists to solve\n"
          "      with the mouse, a finger or the keyboard, checked in the page; it loads\n"
          "      nothing else and keeps the letters typed in the browser.\n"
          "\n"
          "  gridly-tool "
        + MAKE_USAGE
        + "\n"
          "      Makes a puzzle from a word list: UTF-8 text, one word a line, a tab, its clue,\n"
          "      at most 40 words; each line must be what the word and clue boxes take.\n"
          "      --size auto (the default) generates as \"Generate (Auto Size)\" does,\n"
          "      COLSxROWS (15 to 24 each) as \"Generate (Fixed Size)\" does at that size.\n"
          "      --connected instead builds one connected piece in which every word crosses\n"
          "      another, as compact as it can find, within COLSxROWS with --size, else\n"
          "      within --max-size (24x24 by default) with the grid cut to the words.\n"
          "      --effort N (1 to 1000, default 10) sets how long it may search: the\n"
          "      default takes at most about a second. When some words do not fit, each\n"
          "      is named with the reason, the exit status is 3, and the grid of the\n"
          "      others is written only with --partial. --seed N repeats the same grid.\n"
          "\n"
          "  gridly-tool "
        + CHECK_USAGE
        + "\n"
          "      Opens the puzzle as Gridly's Open does and says what is wrong with it, or\n"
          "      what it holds.\n"
          "\n"
          "Messages go to standard error. Output files are written whole or not at all.\n"
          "Exit status: 0 done, 1 a file could not be read, used or written, 2 a wrong command line,\n"
          "3 make --connected left words out.\n";
}
