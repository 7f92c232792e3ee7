#include "designer/OptionsHelp.h"

#include <QCoreApplication>

namespace horavine {

namespace {

// One paragraph per translated text, so that a changed paragraph is one entry for the translators;
// what follows it (a blank line, a rule) is the page's layout and stays as it is.
// Where the original wording names places of another desktop (its start menu, its control
// panel), these name the freedesktop equivalents; everything else is kept as written.
struct Paragraph
{
    const char* text;
    const char* after;
};

const Paragraph kNavigation[] = {
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "You can move Horavine when you drag and drop it with the left\n"
                       "mouse button or using arrow keys on the left of NumPad."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "NumPad keys will move Horavine to the screen corners;\n"
                       "up/down/left/right arrows - in the respective directions;\n"
                       "+/-  NumPad buttons will change the size of the clock."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "Click with the right mouse button on the clock to make options\n"
                       "appear. When you are done with the options, click Done button."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "Press \"T\" to switch to timer mode. Close the timer toolbar to\n"
                       "switch back to clock mode."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "Press \"H\" to hide the clock, show it back by clicking on the tray\n"
                       "icon."),
     "\n--------------------------------------------------------------------------------\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "How to remove the automatic start-up:\n"
                       "Open your desktop's autostart folder (~/.config/autostart) and delete\n"
                       "the entry for Horavine.\n"
                       "Or run \"horavine-cli autostart off\" in a terminal."),
     ""},
};

const Paragraph kSkinDesign[] = {
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "If you click the right mouse button or press \"O\", an options\n"
                       "panel will appear and you 're ready to customize your very own\n"
                       "Horavine skin.\n"
                       "Most of the buttons and fields are self-explanatory, but if you\n"
                       "have any doubts, experiment using \"Skins Galleries\" as\n"
                       "examples."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "To create your own skin, take one of the provided skins, modify\n"
                       "it and then save it under a different name."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "The clock face is divided by three areas (from inside out):\n"
                       "hours, ticks (middle) and minutes + digital clock. You can\n"
                       "change parameters of an individual area and you can use\n"
                       "background texture to give overall styling of the clock."),
     "\n-------------------------------------------------------------------------------------\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp", "Permanent options:"), "\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp", "- Save last position when clock closes."), "\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "- Clock skin contains a size, when it was created, but you can\n"
                       "make the new skin has the same size as the last opened."),
     "\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "- Always on top makes the clock appear on the top of all\n"
                       "windows opened."),
     "\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "- If Random skin is checked Horavine will pick randomly a skin\n"
                       "from selected gallery."),
     "\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "- Digital format option allows you to choose between AM/PM\n"
                       "and 24 hours format."),
     ""},
};

const Paragraph kAlarms[] = {
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "Press \"Create Alarm\" button to set new alarm, then all the alarm\n"
                       "settings become enabled. To finish setting the alarm unpress\n"
                       "\"Edit Selected\" button."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "You can set any possible schedule using four types of alarms:\n"
                       "Once, Daily, Weekly and Monthly."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "Although Horavine comes with variety of bitmap textures,\n"
                       "wake-up pictures, and wav files (for the alarm), you can use\n"
                       "your own. For example, you can set the alarm to your favorite\n"
                       "song, or take a picture of what you need to do, and then set it as\n"
                       "the wake-up picture!"),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "The wav file will be played on your Sound playback - Default\n"
                       "device\n"
                       "at your desktop's Sound settings -> Output."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "You can use Open Doc tab to start any file your desktop has\n"
                       "file-association with (including multi-media files, e.g. AVI, mp3)"),
     "\n\n"},
    {QT_TRANSLATE_NOOP("OptionsHelp",
                       "If you want an alarm with a message-remainder, simply type\n"
                       "your message instead of the file name when the \"open-picture\"\n"
                       "dialog box appears."),
     ""},
};

template <std::size_t N> QString Page(const Paragraph (&paragraphs)[N])
{
    QString page;
    for (const Paragraph& paragraph : paragraphs)
        page += QCoreApplication::translate("OptionsHelp", paragraph.text) + QLatin1String(paragraph.after);
    return page;
}

} // namespace

QStringList HelpPageCaptions()
{
    return {QCoreApplication::translate("OptionsHelp", "Navigation"),
            QCoreApplication::translate("OptionsHelp", "Skin Design"),
            QCoreApplication::translate("OptionsHelp", "Alarms")};
}

QString HelpPageText(int page)
{
    switch (page) {
    case 0:
        return Page(kNavigation);
    case 1:
        return Page(kSkinDesign);
    case 2:
        return Page(kAlarms);
    default:
        return {};
    }
}

} // namespace horavine
