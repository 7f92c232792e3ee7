#include "app/ShellTestApp.h"
#include "controls/ErrorBox.h"
#include "designer/ColorPicker.h"
#include "designer/EditTexture.h"
#include "designer/PatternRowDelegate.h"
#include "designer/TBrushDialog.h"
#include "designer/TexturePickers.h"
#include "face/FaceStyle.h"
#include "face/TexturePatterns.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

class TextureEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        QDir(m_tmp.path()).mkpath(QStringLiteral("Textures"));
        SetErrorBoxHandler([this](const QString& text) { m_messages << text; });
        SetTextureFilePicker([this](const AppDir&, QWidget*) { return m_picked; });
        SetColorPicker([this](TColor) { return m_color; });
    }
    void TearDown() override
    {
        SetErrorBoxHandler({});
        SetTextureFilePicker({});
        SetColorPicker({});
    }

    QString putBitmap(const QString& path)
    {
        QImage picture(4, 3, QImage::Format_RGB32);
        picture.fill(qRgb(10, 200, 30));
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }
    QString texture(const char* name) const { return m_appDir.texturesFolder() + QString::fromLatin1(name); }
    // The face as a rebuild leaves it for the skin's texture fields.
    void rebuildWith(const QString& textureName, int transparency = 40, TColor color = 0x00336699)
    {
        TClockSkin& skin = m_state.CurrentSkin;
        skin.TextureName.setText(textureName);
        skin.TextureTransparency = transparency;
        skin.TextureColor = color;
        m_state.CurrentTexturePath.clear();
        ApplyTexture(m_state, m_appDir, m_surface, nullptr);
    }
    // The dialog as EditTexture shows it, without the modal loop.
    TBrushDialog& open()
    {
        m_dialog = std::make_unique<TBrushDialog>(overlay(), m_state, m_appDir, [this] { ++m_changes; });
        if (!m_state.CurrentTexturePath.isEmpty())
            m_dialog->reloadTexture();
        else
            m_dialog->selectPattern(m_state.CurrentPattern);
        m_dialog->SpinEdit1->setValue(m_state.CurrentSkin.TextureTransparency);
        m_dialog->show();
        return *m_dialog;
    }
    void choose(const char* name) { m_dialog->LStyle->setCurrentRow(PatternNames().indexOf(QLatin1String(name))); }
    QString storedName()
    {
        StoreTextureInSkin(m_state, overlay());
        return m_state.CurrentSkin.TextureName.text();
    }
    FaceOverlay& overlay() { return m_surface.ColorBand(); }

    QTemporaryDir m_tmp;
    AppDir m_appDir{m_tmp.path()};
    SkinState m_state;
    FaceSurface m_surface;
    std::unique_ptr<TBrushDialog> m_dialog;
    int m_changes = 0;
    QStringList m_messages;
    std::optional<QString> m_picked;
    std::optional<TColor> m_color;
};

TEST_F(TextureEditor, ListChoicesSetTheBrushAndTheButtons)
{
    rebuildWith(QStringLiteral("6"));
    TBrushDialog& dialog = open();
    const struct
    {
        const char* name;
        int style; // pattern pictures leave the style as it was
        bool pattern; // a pattern picture on the brush and in the preview, and "Clea&r"
        bool colorEnabled;
    } rows[] = {
        {"None", bsClear, false, false},  {"Solid", bsSolid, false, true},
        {"Zig zag", bsSolid, true, true}, {"Diagonal Cross", bsDiagCross, false, true},
        {"None", bsClear, false, false},  {"Fill 80%", bsClear, true, true}, // its gaps show the colour
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int changesBefore = m_changes;
        choose(row.name);
        EXPECT_EQ(overlay().Brush.Style, row.style);
        EXPECT_EQ(overlay().Brush.ImageIsPattern, row.pattern);
        EXPECT_EQ(dialog.Image1->pixmap().isNull(), !row.pattern);
        EXPECT_EQ(dialog.Button1->text(), row.pattern ? QStringLiteral("Clea&r") : QStringLiteral("B&rowse..."));
        EXPECT_EQ(dialog.BColor->isEnabled(), row.colorEnabled);
        EXPECT_EQ(m_changes, changesBefore + 1);
        EXPECT_EQ(storedName(), QString::number(dialog.LStyle->currentRow()));
    }
    // Arrows only, each step of 2 on the overlay at once.
    EXPECT_TRUE(dialog.SpinEdit1->findChild<QLineEdit*>()->isReadOnly());
    for (const auto& [steps, transparency] : {std::pair{1, 42}, {-2, 38}, {-30, 0}, {60, 100}}) {
        const int changesBefore = m_changes;
        dialog.SpinEdit1->stepBy(steps);
        EXPECT_EQ(overlay().Transparency, transparency);
        EXPECT_EQ(m_changes, changesBefore + 1);
    }
}

TEST_F(TextureEditor, PatternAfterBitmapIsStoredAsItsNumberAndSurvivesRebuild)
{
    rebuildWith(putBitmap(texture("wood.bmp")));
    open();
    choose("Fill 40%");
    m_dialog->Button2->click();
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(m_state.CurrentTexturePath.isEmpty());
    EXPECT_EQ(storedName(), QStringLiteral("10"));
    rebuildWith(m_state.CurrentSkin.TextureName.text());
    EXPECT_EQ(overlay().Brush.Image, LoadPattern(2));
}

TEST_F(TextureEditor, CancelAndEscapeRestoreWhileTheCloseBoxAndOkKeep)
{
    enum class Close { CancelButton, Escape, CloseBox, Ok };
    const QString bitmap = putBitmap(texture("stone.bmp"));
    for (const auto& [how, restored] :
         {std::pair{Close::CancelButton, true}, {Close::Escape, true}, {Close::CloseBox, false}, {Close::Ok, false}}) {
        SCOPED_TRACE(int(how));
        rebuildWith(bitmap, 40, 0x00112233);
        TBrushDialog& dialog = open();
        const QImage shownImage = overlay().Brush.Image;
        choose("Cross");
        m_color = 0x00AABBCC;
        dialog.BColor->click();
        dialog.SpinEdit1->stepBy(3);
        if (how == Close::CancelButton)
            dialog.Button3->click();
        else if (how == Close::Escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (how == Close::CloseBox)
            dialog.close();
        else
            dialog.Button2->click();

        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(overlay().Brush.Image, restored ? shownImage : QImage());
        EXPECT_EQ(overlay().Brush.Style, bsCross); // the picture's skin kept the hatch from before
        EXPECT_EQ(overlay().Brush.Color, restored ? 0x00112233u : 0x00AABBCCu);
        EXPECT_EQ(overlay().Transparency, restored ? 40 : 46);
        EXPECT_EQ(m_state.CurrentPattern, restored ? 0 : bsCross);
        EXPECT_EQ(storedName(), restored ? bitmap : QStringLiteral("6"));
    }
}

TEST_F(TextureEditor, ClearReturnsTheListToTheStyleTheFaceShows)
{
    // A picture's skin sets CurrentPattern to 0 while the brush keeps the hatch it had.
    const QString bitmap = putBitmap(texture("sand.bmp"));
    const struct
    {
        const char* before; // TextureName of the rebuild before the editor opens
        const char* chosen;
        int expected;
    } rows[] = {{"4", "Zig zag", bsFDiagonal}, {"5", nullptr, bsBDiagonal}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before);
        rebuildWith(QString::fromLatin1(row.before));
        if (!row.chosen)
            rebuildWith(bitmap);
        TBrushDialog& dialog = open();
        if (row.chosen)
            choose(row.chosen);
        ASSERT_EQ(dialog.Button1->text(), QStringLiteral("Clea&r"));
        dialog.Button1->click();
        EXPECT_EQ(dialog.Button1->text(), QStringLiteral("B&rowse..."));
        EXPECT_TRUE(overlay().Brush.Image.isNull());
        EXPECT_TRUE(dialog.Image1->pixmap().isNull());
        EXPECT_EQ(dialog.LStyle->currentRow(), row.expected);
        EXPECT_EQ(overlay().Brush.Style, row.expected);
        EXPECT_EQ(storedName(), QString::number(row.expected));
    }
}

TEST_F(TextureEditor, BrowsingLoadsGoodPicturesAndReportsBadOnes)
{
    const QString good = putBitmap(texture("good.bmp"));
    QFile damaged(texture("damaged.bmp"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM this is not a bitmap");
    damaged.close();
    const struct
    {
        std::optional<QString> picked;
        bool loaded;
    } rows[] = {{std::nullopt, false}, {damaged.fileName(), false}, {texture("gone.bmp"), false}, {good, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.picked.value_or(QStringLiteral("cancelled")).toStdString());
        rebuildWith(QStringLiteral("3"));
        m_messages.clear();
        m_picked = row.picked;
        open().Button1->click();
        const bool error = row.picked && !row.loaded;
        ASSERT_EQ(m_messages.size(), error ? 1 : 0);
        EXPECT_TRUE(!error || m_messages.constFirst().contains(*row.picked));
        EXPECT_EQ(overlay().Brush.Image.isNull(), !row.loaded);
        EXPECT_EQ(overlay().Brush.Style, bsVertical);
        EXPECT_EQ(m_dialog->Button1->text(), row.loaded ? QStringLiteral("Clea&r") : QStringLiteral("B&rowse..."));
        EXPECT_EQ(storedName(), row.loaded ? good : QStringLiteral("3"));
    }
}

TEST_F(TextureEditor, OpeningReloadsTheStoredPictureFromWhereItIsFound)
{
    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("tile.bmp"));
    const struct
    {
        bool keepAtPath;
        bool copyToTextures;
        QString expectedPath; // empty: not found
    } rows[] = {{true, false, path}, {false, true, texture("tile.bmp")}, {false, false, QString()}};
    for (const auto& row : rows) {
        QFile::remove(texture("tile.bmp"));
        rebuildWith(putBitmap(path));
        const QImage before = overlay().Brush.Image;
        if (row.copyToTextures)
            QFile::copy(path, texture("tile.bmp"));
        if (!row.keepAtPath)
            QFile::remove(path);
        m_messages.clear();

        open();
        EXPECT_EQ(m_messages.isEmpty(), !row.expectedPath.isEmpty());
        EXPECT_TRUE(m_messages.isEmpty() || m_messages.constFirst() == QStringLiteral("Texture file not found."));
        EXPECT_EQ(overlay().Brush.Image, before); // reloaded, or kept when not found
        EXPECT_EQ(m_dialog->Button1->text(), QStringLiteral("Clea&r"));
        EXPECT_TRUE(row.expectedPath.isEmpty() || m_state.CurrentTexturePath == row.expectedPath);
    }
}

TEST_F(TextureEditor, EditTextureRunsModallyAndTakesTheBrushColour)
{
    rebuildWith(QStringLiteral("1"), 30, 0x00010203);
    m_color = 0x00405060;
    int repaints = 0;
    int repaintsWhenShown = -1;
    QTimer::singleShot(0, [&] {
        repaintsWhenShown = repaints;
        auto* dialog = qobject_cast<TBrushDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Texture Editor"));
        EXPECT_EQ(dialog->size(), QSize(406, 191));
        EXPECT_EQ(dialog->focusWidget(), dialog->LStyle);
        EXPECT_EQ(dialog->LStyle->currentRow(), bsClear);
        EXPECT_FALSE(dialog->BColor->isEnabled());
        EXPECT_EQ(dialog->SpinEdit1->value(), 30);
        dialog->LStyle->setCurrentRow(bsHorizontal);
        dialog->BColor->click();
        dialog->Button2->click();
    });
    EditTexture(overlay(), m_state, m_appDir, [&] { ++repaints; });
    EXPECT_EQ(repaints - repaintsWhenShown, 2); // the list and the colour
    EXPECT_EQ(overlay().Brush.Style, bsHorizontal);
    EXPECT_EQ(m_state.CurrentSkin.TextureColor, 0x00405060u);
}

TEST_F(TextureEditor, ControlsAreReachableByTheirCaptions)
{
    rebuildWith(QStringLiteral("0"));
    TBrushDialog& dialog = open();
    const std::pair<QWidget*, const char*> rows[]
        = {{dialog.BColor, "Color..."},        {dialog.Button1, "Browse..."},      {dialog.Button2, "OK"},
           {dialog.Button3, "Cancel"},         {dialog.SpinEdit1, "Transperancy"}, {dialog.GroupBox1, "Image:"},
           {dialog.GroupBox2, "Transperancy"}, {dialog.Image1, "Image"},           {dialog.LStyle, "Texture"}};
    for (const auto& [widget, name] : rows)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed(),
                  QLatin1String(name));

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dialog.LStyle);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), kPatternCount);
    for (int i = 0; i < kPatternCount; ++i)
        EXPECT_EQ(list->child(i)->text(QAccessible::Name), PatternName(i));
}

TEST_F(TextureEditor, RowsDrawTheirSwatchInBlack)
{
    rebuildWith(QStringLiteral("0"));
    TBrushDialog& dialog = open();
    const QRect swatch(2, 2, 14, 12); // in a 16-pixel row
    for (const auto& [name, ink] : {std::pair{"Cross", true}, {"None", false}, {"Solid", true}, {"Fill 10%", true}}) {
        SCOPED_TRACE(name);
        const int number = PatternNames().indexOf(QLatin1String(name));
        QImage picture(120, PatternRowDelegate::kRowHeight, QImage::Format_RGB32);
        QStyleOptionViewItem option;
        option.initFrom(dialog.LStyle);
        option.rect = picture.rect();
        option.state = QStyle::State_Enabled;
        option.palette.setColor(QPalette::Base, Qt::white);
        QPainter painter(&picture);
        dialog.LStyle->itemDelegate()->paint(&painter, option, dialog.LStyle->model()->index(number, 0));
        painter.end();
        int inSwatch = 0;
        int besideSwatch = 0; // left of the name
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < PatternRowDelegate::kTextLeft; ++x) {
                if (picture.pixel(x, y) == qRgb(0, 0, 0))
                    ++(swatch.contains(x, y) ? inSwatch : besideSwatch);
            }
        }
        EXPECT_EQ(inSwatch > 0, ink);
        EXPECT_EQ(besideSwatch, 0);
        EXPECT_EQ(dialog.LStyle->sizeHintForRow(number), PatternRowDelegate::kRowHeight);
    }
}

} // namespace
} // namespace horavine::test
