#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "face/SkinFields.h"
#include "face/SkinFile.h"

namespace horavine::cli {

namespace {

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

} // namespace

int RunSkinShow(const Arguments& args)
{
    args.expectPositionals(1, 1);
    const TClockSkin skin = ReadSkinRecord(args.positional(0, QStringLiteral("FILE.clk")));
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

int RunSkinNew(const Arguments& args)
{
    args.expectPositionals(1, -1);
    TClockSkin skin = DefaultSkin();
    applyAssignments(skin, args.positionals().mid(1));
    WriteSkinRecord(args.positional(0, QStringLiteral("OUT.clk")), skin);
    return 0;
}

int RunSkinSet(const Arguments& args)
{
    args.expectPositionals(1, -1);
    const QString input = args.positional(0, QStringLiteral("FILE.clk"));
    TClockSkin skin = ReadSkinRecord(input);
    applyAssignments(skin, args.positionals().mid(1));
    WriteSkinRecord(args.value(QStringLiteral("-o")).value_or(input), skin);
    return 0;
}

} // namespace horavine::cli
