// The main window: every control of the program at its place, the one Puzzle,
// and the event handlers that the controls' events are routed to. Handlers
// are short: they call the core over the Puzzle, then refresh the widgets.
// Their definitions are grouped by subject in the gridly_*.cpp files.
#pragma once

#include "document/gridlymod.h"
#include "grid/generator.h"
#include "grid/random_source.h"
#include "view/grid_renderer.h"
#include "window/desktop.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class ColourBox;
class EntryStrip;
class GridPicture;
class PlaySide;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QToolButton;
struct PlayStat;
class ShapeBox;
class WordDrag;
class WordPanel;

class gridly : public QWidget {
    Q_OBJECT
public:
    // programFolder holds gridly.hlp and gridly.cfg; arguments are the command
    // line without the program's own name.
    gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments,
           RandomSource random = {});
    ~gridly() override;

    // Start-up. False when another instance runs: the program ends at once.
    bool Form_Load();

    const Puzzle &puzzle() const { return m_puzzle; }
    const QImage &gridImage() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (gridly_layout.cpp)
    void createControls();
    void connectControls();
    QToolButton *pictureButton(QWidget *parent, const char *name, int left, int top, const QString &tip,
                               const QString &icon, int size = 420);

    // Start-up, files, commands, exit (gridly_document.cpp)
    void cb_new_Click();
    void cb_open_Click();
    void cb_save_Click();
    void cb_help_Click();
    void cb_exit_Click();
    bool Form_QueryUnload();
    void SetCmdButtons();
    void SetCaption();
    void WriteConfiguration();
    void ReadConfiguration(RunMode &savedMode);
    QString ConfigurationFolder();
    QString AskFileName(bool save);
    bool OfferToSave(const QString &question, const QString &title);

    // Grid picture, colour, grid words (gridly_view.cpp)
    void DisplayGrid();
    void cl_gbox_Click(int index);
    void ck_gridwrd_Click();
    void ResetWords();

    // Word panel and selection (gridly_panel.cpp)
    void DispWInp();
    void SelectWord(int w);
    void PlaceCurrentWordBox();

    // Generation, size and shifting (gridly_grid.cpp)
    void cb_procAutosz_Click();
    void cb_procfixsize_Click();
    void cb_putword_Click();
    void scr_gcols_Change();
    void scr_grows_Change();
    void cb_resize_Click();
    void mv_words_Click(int index);
    void cb_cleargrid_Click();
    void SetSizeScrollBars();
    void Generate(Sizing sizing);

    void pb_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

    // Play mode (gridly_play.cpp)
    void cb_play_Click();
    void SwitchMode(RunMode mode);

    // Printing (gridly_print.cpp)
    void cb_print_Click();

    Desktop &m_desktop;
    QString m_programFolder;
    QStringList m_arguments;
    ProgramRandom m_programRandom;
    RandomSource m_random;
    Puzzle m_puzzle;
    QString m_dialogFolder;   // where the next file dialog starts
    bool m_ended = false;     // Exit completed; the window may close
    bool m_refusedFile = false;  // fpath names a file that Open refused as not ours
    GridRenderer m_gridRenderer;

    // Command column
    QGroupBox *fr_cmd = nullptr;
    QLabel *Label2 = nullptr;
    std::array<ColourBox *, 6> cl_gbox{};
    QScrollBar *scr_gcols = nullptr;
    QLabel *lb_gcols = nullptr;
    QScrollBar *scr_grows = nullptr;
    QLabel *lb_grows = nullptr;
    QToolButton *cb_resize = nullptr;
    std::array<QToolButton *, 4> mv_words{};
    QToolButton *cb_procfixsize = nullptr;
    QToolButton *cb_procAutosz = nullptr;
    QToolButton *cb_putword = nullptr;
    QToolButton *cb_cleargrid = nullptr;
    QToolButton *cb_play = nullptr;
    QToolButton *cb_help = nullptr;
    QToolButton *ck_gridwrd = nullptr;
    QToolButton *cb_print = nullptr;
    QToolButton *cb_new = nullptr;
    QToolButton *cb_open = nullptr;
    QToolButton *cb_save = nullptr;
    QToolButton *cb_exit = nullptr;

    // Grid
    ShapeBox *sh_fr2 = nullptr;
    ShapeBox *sh_fr = nullptr;
    GridPicture *pb = nullptr;
    ShapeBox *cr_cw = nullptr;

    WordPanel *m_panel = nullptr;
    WordDrag *m_drag = nullptr;
    EntryStrip *m_entry = nullptr;

    // Logo and play strip
    QGroupBox *fr_logo = nullptr;
    QLabel *imglogo = nullptr;
    PlaySide *m_play = nullptr;
};
