// Saving skins with their gallery previews, loading a skin from its thumbnail, and the texture
// button: the options window's roads that reach beyond its controls.

#include "common/FilePaths.h"
#include "common/IoError.h"
#include "common/Picture.h"
#include "controls/ErrorBox.h"
#include "designer/EditTexture.h"
#include "designer/SaveDialogs.h"
#include "designer/TfmGallery.h"
#include "designer/TfrmOptions.h"
#include "face/FaceOverlay.h"
#include "face/TextureChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

namespace horavine {

namespace {

// Where the save dialogs start: the selected gallery, else the gallery root, else the
// application folder (a fresh install may have no gallery yet).
QString DialogFolder(const TfmGallery& gallery, const AppDir& appDir)
{
    const QString folder = gallery.GalleryFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    if (QFileInfo(appDir.skinsFolder()).isDir())
        return appDir.skinsFolder();
    return appDir.path();
}

} // namespace

void TfrmOptions::sbSaveSettingsClick()
{
    TakeSkinFromControls();
    const QString proposed = ExtractFileName(CurrentSkinFile ? CurrentSkinFile() : m_skin.CurrentSkinPath);
    const QString rememberedTab = fmGallery->galleryName();
    const QString path = ChooseSkinFile(this, DialogFolder(*fmGallery, m_appDir), proposed);
    if (path.isEmpty())
        return;

    try {
        if (WriteSkinFile)
            WriteSkinFile(path);
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
        return;
    }
    m_skin.CurrentSkinPath = path;
    activationStep();

    // The skin is saved whatever happens to its picture, so a failed picture is reported and
    // the gallery and the active-skin box still show the saved skin.
    try {
        TakeGalleryPicture(path);
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
    }
    m_changingPage = true;
    pcOptions->setCurrentIndex(kDesignPage);
    m_changingPage = false;

    fmGallery->RefreshGalleryTabs();
    fmGallery->selectGallery(rememberedTab);
    setActiveSkinName(FileNameWithoutExt(path));
}

void TfrmOptions::TakeGalleryPicture(const QString& skinPath)
{
    if (!PhotographClock)
        return;
    // The grid would miss the new preview; it is built again when the page is next entered.
    fmGallery->ClearThumbnails();
    SaveJpeg(PhotographClock(), ChangeFileExt(skinPath, QStringLiteral(".jpg")), 90);
}

void TfrmOptions::bbTakePictureClick()
{
    const QString path
        = ChoosePictureFile(this, DialogFolder(*fmGallery, m_appDir), activeSkinName() + QStringLiteral(".jpg"));
    if (path.isEmpty())
        return;
    try {
        TakeGalleryPicture(path);
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
    }
}

void TfrmOptions::ThumbnailClick(const QString& skinPath)
{
    if (m_filling || !LoadSkin)
        return;
    try {
        LoadSkin(skinPath);
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
    }
}

void TfrmOptions::bbPatternClick()
{
    FaceOverlay* overlay = Overlay ? Overlay() : nullptr;
    if (!overlay)
        return;
    // The editor changes the overlay in place; the face is not rebuilt, only the skin records it.
    EditTexture(*overlay, m_skin, m_appDir, OverlayChanged, this);
    StoreTextureInSkin(m_skin, *overlay);
}

} // namespace horavine
