// Start-up, New, Open, Save, Help, Exit and the command states, with
// gridly.cfg and the file dialogs.
#include "window/gridly.h"

#include "document/command_line.h"
#include "document/command_state.h"
#include "document/config_file.h"
#include "document/help_places.h"
#include "document/new_puzzle.h"
#include "document/puzzle_file.h"
#include "document/puzzle_grid.h"
#include "view/grid_colour.h"
#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "platform/file_store.h"
#include "play/play_grid.h"
#include "play/play_side.h"
#include "view/shape_box.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

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
void WriteConfiguration(const std::string &cfgpath, const PuzzleDocument &doc, bool validWord, bool remembered)
{
    const std::string bytes = WriteConfigFile(doc.puzzle().gboxidx, validWord ? 1 : 0, doc.mode(),
                                              remembered ? doc.fname() : std::string(),
                                              remembered ? doc.fpath() : std::string());
    const QString path = FromUtf8(cfgpath);
    QDir().mkpath(QFileInfo(path).absolutePath());  // the user's configuration folder may not exist yet
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

const QString VERSION = QStringLiteral("Gridly v1.00");

QString Caption(const std::string &fname)
{
    return VERSION + QStringLiteral("     > ") + FromUtf8(fname);
}

}  // namespace

bool gridly::Form_Load()
{
    if (m_desktop.anotherInstanceRunning())
        return false;

    cr_cw->setGeometry(0, 0, 22, 22);
    m_recent = std::make_unique<RecentFiles>(m_desktop.userConfigFolder());
    const QDir cfgFolder(ConfigurationFolder(m_desktop, m_programFolder));
    m_cfgpath = QDir::toNativeSeparators(cfgFolder.filePath(QStringLiteral("gridly.cfg"))).toStdString();
    m_drag->SetPanelPlace(m_panel->Place());

    m_drag->SetDirectionControl(Direction::Across);
    m_cmd->ShowSize(GRIDMAX, GRIDMAX);
    cb_new_Click();
    // Emptying the empty puzzle changed nothing, yet the start shows it whole.
    DispWInp();
    DisplayGrid();
    SetCmdButtons();

    const CommandLineFile start =
        CommandLinePath(m_arguments.isEmpty() ? std::string() : m_arguments.constFirst().toStdString(),
                        QDir::currentPath().toStdString(), FileExists);
    std::string fpath = start.fpath;
    std::string fname = start.fname;
    m_dialogFolder = m_programFolder;

    RunMode savedMode = RunMode::Design;
    if (fpath.size() < 8) {
        const ConfigValues values = ReadConfiguration(m_cfgpath);
        if (values.gboxidx)
            m_doc.update([&values](Puzzle &p) { ChooseGridColour(p, *values.gboxidx); });
        if (values.validWord)
            m_play->SetValidWord(*values.validWord == 1);
        savedMode = values.runmode.value_or(RunMode::Design);
        fname = values.fname.value_or(fname);
        fpath = values.fpath.value_or(fpath);
    }
    if (fpath.size() < 8) {
        m_doc.setFile({}, {});
    } else {
        m_doc.setFile(fname, fpath);
        m_opensrc = OpenSource::Configuration;
        cb_open_Click();
    }
    ShowColour();  // the chosen box is shown even when the colour is the one the puzzle began with
    m_opensrc = OpenSource::Program;
    if (savedMode == RunMode::Play)
        cb_play_Click();
    m_doc.markSaved();
    return true;
}

void gridly::cb_new_Click()
{
    if (m_doc.puzzle().nwords > 0) {
        // A changed puzzle is offered a save first, as Open and Exit offer it.
        if (m_doc.puzzle().changed) {
            if (!OfferToSave(m_desktop, m_doc.puzzle(), QStringLiteral("Save Changes Before Starting a New Crossword"),
                             QStringLiteral("New"), [this] { cb_save_Click(); }))
                return;
        } else if (m_desktop.message(QStringLiteral("Start a New Crossword"), QStringLiteral("New"),
                                     Desktop::Buttons::YesNo, Desktop::Icon::Question)
                   != Desktop::Answer::Yes) {
            return;
        }
    }
    NewPuzzle();
    setWindowTitle(QStringLiteral("Gridly"));
}

// The data part of New, which Open runs too: an empty puzzle, no file, no history.
void gridly::NewPuzzle()
{
    m_doc.setFile({}, {});
    m_doc.update([](Puzzle &p) {
        ClearWordList(p);
        ResetWords(p);
    });
    m_doc.setWtop(1);
    m_doc.clearHistory();
    m_doc.markSaved();
}

void gridly::cb_save_Click()
{
    if (m_doc.puzzle().nwords < 1) {
        m_desktop.message(QStringLiteral("There is Nothing to Save"), QStringLiteral("Save"), Desktop::Buttons::Ok,
                          Desktop::Icon::Information);
        return;
    }
    const QString path = AskFileName(m_desktop, m_dialogFolder, m_doc.fpath(), true);
    if (path.isEmpty())
        return;
    m_desktop.setWaitCursor(true);
    // The play grid holds answers only while every word is in the grid (an
    // opened puzzle's answers reach it only then); reading it otherwise would
    // blank the stored answers of the placed words. In design mode a
    // completed score would drop the current word.
    const bool playing = m_doc.playing();
    m_doc.update([playing](Puzzle &p) {
        if (p.complete())
            PgridToPwords(p);
        if (playing)
            PGridStat(p);
    });
    const QString error = WriteWholeFile(path, QByteArray::fromStdString(WritePuzzleFile(m_doc.puzzle())));
    if (error.isEmpty()) {
        // Only a file that was written becomes the puzzle's file.
        m_doc.setFile(QFileInfo(path).fileName().toStdString(), path.toStdString());
        m_refusedFile = false;
        m_doc.markSaved();
        m_recent->add(path);
        setWindowTitle(Caption(m_doc.fname()));
    } else {
        m_desktop.setWaitCursor(false);
        m_desktop.message(error + QLatin1Char('\r') + QStringLiteral("File: ") + path, QStringLiteral("Save Error"),
                          Desktop::Buttons::Ok, Desktop::Icon::Critical);
    }
    m_desktop.setWaitCursor(false);
}

void gridly::cb_open_Click()
{
    if (m_opensrc == OpenSource::Configuration) {
        OpenFile(FromUtf8(m_doc.fpath()));
        return;
    }
    if (!OfferToSave(m_desktop, m_doc.puzzle(), QStringLiteral("Save Changes Before Opening New File"),
                     QStringLiteral("Open"), [this] { cb_save_Click(); }))
        return;
    const QString path = AskFileName(m_desktop, m_dialogFolder, m_doc.fpath(), false);
    if (!path.isEmpty())
        OpenFile(path);
}

// A puzzle from the recent list opens as one chosen in the Open dialog.
void gridly::OpenRecent(const QString &path)
{
    if (OfferToSave(m_desktop, m_doc.puzzle(), QStringLiteral("Save Changes Before Opening New File"),
                    QStringLiteral("Open"), [this] { cb_save_Click(); }))
        OpenFile(path);
}

void gridly::ShowRecent()
{
    QMenu *menu = m_menu->recent;
    menu->clear();
    const QStringList paths = m_recent->paths();
    for (int i = 0; i < paths.size(); ++i) {
        QAction *item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(paths[i]).fileName()));
        item->setToolTip(QDir::toNativeSeparators(paths[i]));
        connect(item, &QAction::triggered, this, [this, path = paths[i]] { OpenRecent(path); });
    }
    menu->addSeparator();
    menu->addAction(m_menu->clearRecent);
    m_menu->clearRecent->setEnabled(!paths.isEmpty());
}

// Opens the file at path, asked for or remembered. A file refused leaves an
// empty puzzle; one that is not a Gridly file keeps its names, so that it is
// not remembered at the end.
void gridly::OpenFile(const QString &chosen)
{
    const bool interactive = m_opensrc == OpenSource::Program;
    const std::string fname = interactive ? QFileInfo(chosen).fileName().toStdString() : m_doc.fname();
    const std::string fpath = interactive ? chosen.toStdString() : m_doc.fpath();
    const QString path = FromUtf8(fpath);
    const FileRead file = ReadWholeFile(path);
    const PuzzleFileRead read = file.error.isEmpty() ? ReadPuzzleFile(file.bytes.toStdString()) : PuzzleFileRead{};
    if (read.status == PuzzleFileStatus::NotGridly) {
        NewPuzzle();
        m_doc.setFile(fname, fpath);
        m_refusedFile = true;
        m_desktop.message(QStringLiteral("Invalid Gridly File"), QStringLiteral("Open - Version ERROR"),
                          Desktop::Buttons::Ok, Desktop::Icon::Critical);
        return;
    }
    if (read.status == PuzzleFileStatus::Failed) {
        NewPuzzle();
        if (interactive) {
            const QString reason = file.error.isEmpty() ? FromUtf8(read.failure) : file.error;
            m_desktop.message(reason + QLatin1Char('\r') + QStringLiteral("File: ") + path,
                              QStringLiteral("Open Error"), Desktop::Buttons::Ok, Desktop::Icon::Critical);
        }
        return;
    }

    m_desktop.setWaitCursor(true);
    m_refusedFile = false;
    m_doc.setFile(fname, fpath);
    setWindowTitle(Caption(fname));
    m_doc.setWtop(1);
    // Emptied and read in one change: the window shows the opened puzzle once.
    m_doc.update([&read](Puzzle &p) {
        ClearWordList(p);
        ResetWords(p);
        ApplyPuzzleFile(p, read.contents);
        if (p.complete())
            PwordsToPgrid(p);
        ChooseGridColour(p, read.contents.gboxidx);
    });
    m_doc.clearHistory();
    m_doc.markSaved();
    m_recent->add(path);
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

void gridly::About()
{
    m_desktop.message(VERSION + QLatin1Char('\r')
                          + QStringLiteral("Crossword puzzles from your own words and clues.") + QLatin1Char('\r')
                          + QLatin1Char('\r') + QStringLiteral("Licence: GNU General Public License, version 3 or later")
                          + QLatin1Char('\r') + QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
                      QStringLiteral("About Gridly"), Desktop::Buttons::Ok, Desktop::Icon::Information);
}

void gridly::cb_exit_Click()
{
    if (m_doc.puzzle().nwords == 0)
        m_doc.update([](Puzzle &p) { p.changed = false; });
    if (!OfferToSave(m_desktop, m_doc.puzzle(), QStringLiteral("Save Changes Before Exit"), QStringLiteral("Save"),
                     [this] { cb_save_Click(); }))
        return;
    WriteConfiguration(m_cfgpath, m_doc, m_play->ValidWord(), !m_refusedFile);
    m_doc.update([](Puzzle &p) { p.changed = false; });
    m_ended = true;
    m_desktop.endProgram();
    close();
}

void gridly::SetCmdButtons()
{
    const Puzzle &p = m_doc.puzzle();
    const CommandStates states = CommandStatesOf(p);
    m_cmd->Enable(states);
    m_entry->EnableCommands(states);
    m_menu->Enable(states, m_doc.playing(), p.curw >= 1 && p.curw <= p.nwords && p.Words[p.curw].placed());
    m_panel->ShowWordCount();
}
