#pragma once

#include "topicdata/OwnTopic.h"
#include "ui/Controls.h"
#include "ui/Screen.h"

#include <QByteArray>
#include <QImage>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace bs {

class LabelButton;

// A preview the maker paints itself; it passes the mouse and the keys it is given on.
class MakerPreview : public QWidget
{
public:
    explicit MakerPreview(QWidget* parent);

    enum class Mouse { Press, Move, Release };
    std::function<void(QPainter&, const QRectF&)> paint;
    std::function<void(Mouse, QPointF)> mouse; // the pointer in pixels of the preview
    std::function<bool(int key, bool shift)> key; // true when the key was used

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The topic maker: a teacher makes a topic of the school's own locality in seven steps, each
// with a preview of what the pupil will see: the title, the panorama, the text pages (two of
// key facts and the teacher's notes), the quiz, a labelling activity, an ordering activity,
// and saving. "Back" and "Next" go between the steps, and "Next" on a step that is not right
// says what to change; "Save Topic" on the last step checks every step again and saves the
// topic into the own topics' folder. "Cancel" (and Escape) asks before throwing changes away.
class TopicMaker : public Screen
{
    Q_OBJECT

public:
    static constexpr int StepCount = 7;
    enum Step { TitleStep, PanoramaStep, PagesStep, QuizStep, LabellingStep, OrderingStep, SaveStep };
    // The text pages of the pages step: the key facts' two, then the notes.
    static constexpr int PageCount = 3;
    // The panorama's size in pixels, as the shipped pages' panoramas.
    static constexpr QSize PanoramaSize{3000, 340};
    // Arrow keys move a label's box by this many twips; with Shift by the larger step.
    static constexpr int BoxStep = 60;
    static constexpr int BigBoxStep = 300;

    TopicMaker(Program& program, const QString& formName);

    void Form_Load() override;

    // Starts afresh (empty title) or from the saved topic of that title; false (with a message)
    // when no such topic can be read.
    bool start(const QString& title);

    int step() const { return m_step; }
    void goToStep(int step);
    void Label3_Click(int index); // 0 Cancel, 1 Back, 2 Next (Save Topic on the last step)

    // The controls, by step.
    QLabel* Label1 = nullptr;     // the heading
    QLabel* StepCaption = nullptr; // "Step 2 of 7: Panorama"
    ControlArray<LabelButton> Label3;
    QLineEdit* TitleBox = nullptr;
    LabelButton* ChoosePanorama = nullptr;
    QComboBox* PageChoice = nullptr;
    QLineEdit* PageHeading = nullptr;
    QPlainTextEdit* PageText = nullptr;
    QLineEdit* PageBox = nullptr; // "Did you know?"
    QLabel* RoomLeft = nullptr;
    QListWidget* WorksheetList = nullptr;
    LabelButton* NewWorksheet = nullptr;
    QCheckBox* UseLabelling = nullptr;
    LabelButton* ChoosePicture = nullptr;
    QLineEdit* LabellingInstruction = nullptr;
    ControlArray<QLineEdit> LabelText;
    QComboBox* BoxChoice = nullptr;
    QLabel* BoxStatus = nullptr;
    QCheckBox* UseOrdering = nullptr;
    QLineEdit* OrderingInstruction = nullptr;
    ControlArray<QLineEdit> ItemText;
    MakerPreview* Preview = nullptr;

    // The label boxes' places in twips from the picture's top left, one per label line.
    const std::array<QPoint, owntopic::MaxLabels>& boxPlaces() const { return m_boxes; }
    // Moves box i to `at` unless it would leave the picture or cover another label's box;
    // otherwise says why in BoxStatus and leaves it.
    bool moveBox(int i, QPoint at);
    double panoramaBand() const { return m_band; }

    QString accessibleTitle() const override { return tr("Topic maker"); }

protected:
    QList<QWidget*> tabOrder() const override;
    QAbstractButton* escapeButton() const override;
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    struct Photo
    {
        QByteArray bytes;
        QString suffix; // "jpg" or "png"
        QImage image;
    };

    QWidget* makePanel();
    void buildTitleStep();
    void buildPanoramaStep();
    void buildPagesStep();
    void buildQuizStep();
    void buildLabellingStep();
    void buildOrderingStep();
    void showStep();
    void changed();

    // Why the step cannot be left forwards as it is; empty when it can.
    QString stepProblem(int step);
    std::optional<TextPage> pageFromEditors(int page, QString* problem) const;
    void storeEditors();
    void loadEditors();
    void updateRoomLeft();
    std::vector<OwnLabel> typedLabels(QString* problem) const;
    QStringList typedItems(QString* problem) const;
    OwnTopic topicFromSteps() const;
    void save();
    void cancel();

    void choosePanorama();
    void recropPanorama();
    void choosePicture();
    void refreshWorksheets(bool selectNew);
    void openWizard();
    int boxAt(QPointF twips) const;
    void paintPreview(QPainter& painter, const QRectF& area);
    void previewMouse(MakerPreview::Mouse what, QPointF pixels);
    bool previewKey(int key, bool shift);
    QPointF previewTwips(QPointF pixels) const;

    std::array<QWidget*, StepCount> m_panels{};
    int m_step = TitleStep;
    bool m_changed = false;
    bool m_loading = false;
    QString m_original; // the saved topic's title when editing
    QString m_language = QStringLiteral("en");
    Photo m_panorama;
    QString m_panoramaSource; // the photograph the panorama is cut from, when chosen here
    QImage m_overview;        // that photograph whole, for the preview
    double m_band = 0.5;
    Photo m_picture;
    struct Page
    {
        QString heading, text, box;
    };
    std::array<Page, PageCount> m_pages;
    int m_page = 0;
    std::array<QPoint, owntopic::MaxLabels> m_boxes{};
    int m_dragBox = -1;
    QPointF m_dragOffset;
    double m_dragBand = 0;
    QPointF m_dragStart;
    QStringList m_knownWorksheets;
};

} // namespace bs
