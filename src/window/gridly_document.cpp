// Start-up, New, Open, Save, Help, Exit and the command states, with
// gridly.cfg and the file dialogs.
#include "window/gridly.h"

#include "document/command_line.h"
#include "document/command_state.h"
#include "document/config_file.h"
#include "document/help_places.h"
#include "document/new_puzzle.h"
#include "document/puzzle_file.h"
#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "platform/file_store.h"
#include "play/play_grid.h"
#include "play/play_side.h"
#include "view/shape_box.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace {

const QString OPEN_FILTER = QStringLiteral("Gridly- Files(*.gly)|*.gly");
const QString SAVE_FILTER = QStringLiteral("Gridly - Files(*.gly)|*.gly");

bool FileExists(const std::string &path)
{
    return QFileInfo(QString::fromStdString(path)).isFile();
}

QString FromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

// gridly.cfg lives beside the program; where that folder cannot be written (a
// system-wide install) it lives in the user's configuration folder instead.
QString ConfigurationFolder(Desktop &desktop, const QString &programFolder)
{
    const QString user = desktop.userConfigFolder();
    return QFileInfo(programFolder).isWritable() || user.isEmpty() ? programFolder : user;
}

// What gridly.cfg holds, as far as it is sound; nothing when it cannot be read.
ConfigValues ReadConfiguration(const std::string &cfgpath)
{
    const FileRead file = ReadWholeFile(FromUtf8(cfgpath));
    return file.error.isEmpty() ? ReadConfigFile(file.bytes.toStdString(), FileExists) : ConfigValues{};
}

// A file Open refused keeps its names in the window but is not remembered,
// so that it is not reopened, and refused again, at every start.
void WriteConfiguration(const Puzzle &p, bool validWord, bool remembered)
{
    const std::string bytes =
        WriteConfigFile(p.gboxidx, validWord ? 1 : 0, p.runmode, remembered ? p.fname : std::string(),
                        remembered ? p.fpath : std::string());
    const QString path = FromUtf8(p.cfgpath);
    QDir().mkpath(QFileInfo(path).absolutePath());           // the user's configuration folder may not exist yet
    WriteWholeFile(path, QByteArray::fromStdString(bytes));  // failures are silent
}

// The file dialog until it names a .gly file in a folder that exists; empty
// when the user cancels.
QString AskFileName(Desktop &desktop, const QString &folder, const std::string &fpath, bool save)
{
    Desktop::FileRequest request;
    request.filter = save ? SAVE_FILTER : OPEN_FILTER;
    request.defaultSuffix = QStringLiteral("gly");
    request.initialName = save ? FromUtf8(fpath) : QString();
    request.initialFolder = folder;
    request.promptOverwrite = save;
    request.mustExist = !save;
    const QString title = save ? QStringLiteral("Save - ERROR") : QStringLiteral("Open - ERROR");
    for (;;) {
        const QString path = save ? desktop.saveFileName(request) : desktop.openFileName(request);
        if (path.isEmpty())
            return path;
        const QFileInfo file(path);
        if (file.suffix() != QLatin1String("gly"))
            desktop.message(QStringLiteral("File Extension Must Be .gly"), title, Desktop::Buttons::Ok,
                            Desktop::Icon::None);
        else if (!file.dir().exists())  // the dialog lets a name in a missing folder through
            desktop.message(QStringLiteral("Folder Does Not Exist") + QLatin1Char('\r') + QStringLiteral("Folder: ")
                                + QDir::toNativeSeparators(file.absolutePath()),
                            title, Desktop::Buttons::Ok, Desktop::Icon::None);
        else
            return path;
    }
}

// Asks whether to save a changed puzzle first, and saves through save. False
// when the command must stop: the user cancelled, or the save did not happen.
bool OfferToSave(Desktop &desktop, const Puzzle &p, const QString &question, const QString &title,
                 const std::function<void()> &save)
{
    if (!p.changed)
        return true;
    const Desktop::Answer answer =
        desktop.message(question, title, Desktop::Buttons::YesNoCancel, Desktop::Icon::Question);
    if (answer == Desktop::Answer::Cancel)
        return false;
    if (answer == Desktop::Answer::Yes)
        save();
    return !p.changed || answer == Desktop::Answer::No;
}

QString Caption(const Puzzle &p)
{
    return QStringLiteral("Gridly v1.00     > ") + FromUtf8(p.fname);
}

}  // namespace

bool gridly::Form_Load()
{
    if (m_desktop.anotherInstanceRunning())
        return false;

    cr_cw->setGeometry(0, 0, 22, 22);
    m_puzzle = Puzzle{};
    const QDir cfgFolder(ConfigurationFolder(m_desktop, m_programFolder));
    m_puzzle.cfgpath = QDir::toNativeSeparators(cfgFolder.filePath(QStringLiteral("gridly.cfg"))).toStdString();
    m_drag->SetPanelPlace(m_panel->Place());

    m_drag->SetDirectionControl(Direction::Across);
    m_cmd->ShowSize(GRIDMAX, GRIDMAX);
    cb_new_Click();
    m_panel->ScrollToTop();
    setWindowTitle(QStringLiteral("Gridly"));
    SetCmdButtons();

    const CommandLineFile start =
        CommandLinePath(m_arguments.isEmpty() ? std::string() : m_arguments.constFirst().toStdString(),
                        QDir::currentPath().toStdString(), FileExists);
    m_puzzle.fpath = start.fpath;
    m_puzzle.fname = start.fname;
    m_dialogFolder = m_programFolder;

    RunMode savedMode = RunMode::Design;
    if (m_puzzle.fpath.size() < 8) {
        const ConfigValues values = ReadConfiguration(m_puzzle.cfgpath);
        if (values.gboxidx)
            m_puzzle.gboxidx = int16_t(*values.gboxidx);
        if (values.validWord) {
            m_puzzle.redrawok = false;
            m_play->SetValidWord(*values.validWord == 1);
            m_puzzle.redrawok = true;
        }
        savedMode = values.runmode.value_or(RunMode::Design);
        m_puzzle.fname = values.fname.value_or(m_puzzle.fname);
        m_puzzle.fpath = values.fpath.value_or(m_puzzle.fpath);
    }
    if (m_puzzle.fpath.size() < 8) {
        m_puzzle.fpath.clear();
        m_puzzle.fname.clear();
    } else {
        m_puzzle.opensrc = OpenSource::Configuration;
        cb_open_Click();
    }
    cl_gbox_Click(m_puzzle.gboxidx);
    m_puzzle.opensrc = OpenSource::Program;
    if (savedMode == RunMode::Play)
        cb_play_Click();
    m_puzzle.changed = false;
    return true;
}

void gridly::cb_new_Click()
{
    if (m_puzzle.nwords > 0
        && m_desktop.message(QStringLiteral("Start a New Crossword"), QStringLiteral("New"), Desktop::Buttons::YesNo,
                             Desktop::Icon::Question)
            != Desktop::Answer::Yes)
        return;
    ClearWordList(m_puzzle);
    m_panel->ScrollToTop();
    m_puzzle.changed = false;
    ResetWords();
}

void gridly::cb_save_Click()
{
    if (m_puzzle.nwords < 1) {
        m_desktop.message(QStringLiteral("There is Nothing to Save"), QStringLiteral("Save"), Desktop::Buttons::Ok,
                          Desktop::Icon::Information);
        return;
    }
    const QString path = AskFileName(m_desktop, m_dialogFolder, m_puzzle.fpath, true);
    if (path.isEmpty())
        return;
    m_desktop.setWaitCursor(true);
    // The play grid holds answers only while every word is in the grid (an
    // opened puzzle's answers reach it only then); reading it otherwise would
    // blank the stored answers of the placed words.
    if (m_puzzle.complete())
        PgridToPwords(m_puzzle);
    if (m_puzzle.playing())  // in design mode a completed score would drop the current word
        m_play->PGridStat();
    const QString error = WriteWholeFile(path, QByteArray::fromStdString(WritePuzzleFile(m_puzzle)));
    if (error.isEmpty()) {
        // Only a file that was written becomes the puzzle's file.
        m_puzzle.fname = QFileInfo(path).fileName().toStdString();
        m_puzzle.fpath = path.toStdString();
        m_refusedFile = false;
        m_puzzle.changed = false;
        setWindowTitle(Caption(m_puzzle));
    } else {
        m_desktop.setWaitCursor(false);
        m_desktop.message(error + QLatin1Char('\r') + QStringLiteral("File: ") + path, QStringLiteral("Save Error"),
                          Desktop::Buttons::Ok, Desktop::Icon::Critical);
    }
    m_desktop.setWaitCursor(false);
}

void gridly::cb_open_Click()
{
    const bool interactive = m_puzzle.opensrc == OpenSource::Program;
    if (interactive) {
        if (!OfferToSave(m_desktop, m_puzzle, QStringLiteral("Save Changes Before Opening New File"),
                         QStringLiteral("Open"), [this] { cb_save_Click(); }))
            return;
        const QString path = AskFileName(m_desktop, m_dialogFolder, m_puzzle.fpath, false);
        if (path.isEmpty())
            return;
        m_puzzle.changed = false;
        m_puzzle.nwords = 0;
        cb_new_Click();
        m_puzzle.fpath = path.toStdString();
        m_puzzle.fname = QFileInfo(path).fileName().toStdString();
    }

    const QString path = FromUtf8(m_puzzle.fpath);
    const FileRead file = ReadWholeFile(path);
    const PuzzleFileRead read = file.error.isEmpty() ? ReadPuzzleFile(file.bytes.toStdString()) : PuzzleFileRead{};
    if (read.status == PuzzleFileStatus::NotGridly) {
        m_refusedFile = true;
        m_desktop.message(QStringLiteral("Invalid Gridly File"), QStringLiteral("Open - Version ERROR"),
                          Desktop::Buttons::Ok, Desktop::Icon::Critical);
        return;
    }
    if (read.status == PuzzleFileStatus::Failed) {
        if (interactive) {
            const QString reason = file.error.isEmpty() ? FromUtf8(read.failure) : file.error;
            m_desktop.message(reason + QLatin1Char('\r') + QStringLiteral("File: ") + path,
                              QStringLiteral("Open Error"), Desktop::Buttons::Ok, Desktop::Icon::Critical);
        }
        m_puzzle.changed = false;
        m_puzzle.nwords = 0;
        cb_new_Click();
        return;
    }

    m_desktop.setWaitCursor(true);
    m_refusedFile = false;
    setWindowTitle(Caption(m_puzzle));
    m_puzzle.redrawok = false;
    ApplyPuzzleFile(m_puzzle, read.contents);
    if (m_puzzle.complete()) {
        PwordsToPgrid(m_puzzle);
        m_play->PGridStat();
    }
    m_cmd->ShowSize(m_puzzle.gcols, m_puzzle.grows);
    m_puzzle.redrawok = true;
    cl_gbox_Click(read.contents.gboxidx);
    m_panel->ScrollToTop();
    DispWInp();
    SetCmdButtons();
    m_puzzle.changed = false;
    m_dialogFolder = QFileInfo(path).absolutePath();
    m_desktop.setWaitCursor(false);
}

void gridly::cb_help_Click()
{
    const std::vector<std::string> places = HelpFilePlaces(m_programFolder.toStdString());
    const auto found = std::find_if(places.begin(), places.end(), FileExists);
    const QString helpFile = FromUtf8(found == places.end() ? places.front() : *found);
    if (found == places.end()) {
        m_desktop.message(QStringLiteral("Help File Not Found") + QLatin1Char('\r') + QStringLiteral("File: ")
                              + QDir::toNativeSeparators(helpFile),
                          QStringLiteral("Help"), Desktop::Buttons::Ok, Desktop::Icon::Critical);
        return;
    }
    m_desktop.showHelp(helpFile);
}

void gridly::cb_exit_Click()
{
    if (m_puzzle.nwords == 0)
        m_puzzle.changed = false;
    if (!OfferToSave(m_desktop, m_puzzle, QStringLiteral("Save Changes Before Exit"), QStringLiteral("Save"),
                     [this] { cb_save_Click(); }))
        return;
    WriteConfiguration(m_puzzle, m_play->ValidWord(), !m_refusedFile);
    m_puzzle.changed = false;
    m_ended = true;
    m_desktop.endProgram();
    close();
}

void gridly::SetCmdButtons()
{
    const CommandStates states = CommandStatesOf(m_puzzle);
    m_cmd->Enable(states);
    m_entry->EnableCommands(states);
    m_panel->ShowWordCount();
}
