#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "common/IoError.h"
#include "face/SkinFields.h"
#include "face/SkinFile.h"

namespace horavine::cli {

namespace {

TClockSkin readSkin(const QString& path)
{
    try {
        return ReadSkinRecord(path);
    } catch (const IoError& e) {
        throw Failure(e.message());
    }
}

void writeSkin(const QString& path, const TClockSkin& skin)
{
    try {
        WriteSkinRecord(path, skin);
    } catch (const IoError& e) {
        throw Failure(e.message());
    }
}

void applyAssignments(TClockSkin& skin, const QStringList& assignments)
{
    for (const QString& assignment : assignments) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw UsageError(QStringLiteral("\"%1\" is not FIELD=VALUE").arg(assignment));
        const QString name = assignment.left(eq);
        const SkinField* field = FindSkinField(name);
        if (!field)
            throw Failure(QStringLiteral("unknown skin field \"%1\"").arg(name));
        const QString error = SetSkinFieldFromText(skin, *field, assignment.mid(eq + 1));
        if (!error.isEmpty())
            throw Failure(error);
    }
}

int show(const QStringList& rest)
{
    const Arguments args(rest, {}, {});
    args.expectPositionals(1, 1);
    const TClockSkin skin = readSkin(args.positional(0, QStringLiteral("FILE.clk")));
    JsonWriter json;
    json.beginObject();
    for (const SkinField& field : SkinFieldTable()) {
        json.key(QLatin1StringView(field.name));
        if (field.kind == SkinFieldKind::Text)
            json.value(SkinFieldString(skin, field));
        else if (field.kind == SkinFieldKind::Color)
            json.value(ColorToText(static_cast<TColor>(SkinFieldNumber(skin, field))));
        else
            json.value(SkinFieldNumber(skin, field));
    }
    json.endObject();
    PrintOut(json.text() + QLatin1Char('\n'));
    return 0;
}

int create(const QStringList& rest)
{
    const Arguments args(rest, {}, {});
    args.expectPositionals(1, -1);
    TClockSkin skin = DefaultSkin();
    applyAssignments(skin, args.positionals().mid(1));
    writeSkin(args.positional(0, QStringLiteral("OUT.clk")), skin);
    return 0;
}

int set(const QStringList& rest)
{
    const Arguments args(rest, {QStringLiteral("-o")}, {});
    args.expectPositionals(1, -1);
    const QString input = args.positional(0, QStringLiteral("FILE.clk"));
    TClockSkin skin = readSkin(input);
    applyAssignments(skin, args.positionals().mid(1));
    writeSkin(args.value(QStringLiteral("-o")).value_or(input), skin);
    return 0;
}

} // namespace

int RunSkinCommand(const QStringList& args)
{
    if (args.isEmpty())
        throw UsageError(QStringLiteral("skin needs a command: show, new or set"));
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("show"))
        return show(rest);
    if (command == QLatin1String("new"))
        return create(rest);
    if (command == QLatin1String("set"))
        return set(rest);
    throw UsageError(QStringLiteral("unknown skin command \"%1\"").arg(command));
}

} // namespace horavine::cli
