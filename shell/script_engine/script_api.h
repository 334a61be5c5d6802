#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QObject>
#include <QString>
#include <QVariant>

#include "script/script_place.h"
#include "shell/script/script_session.h"

class EDITOR;

// The native side of the scripts' `editor` object: the editor's tables by stage and
// place, checked as editing checks them, and what a run asks of the editor (the place to
// show, the name of its step, the commands it registers). The scripts never see it
// directly; script_prelude.cpp builds the documented API over it.
class ScriptApi : public QObject {
    Q_OBJECT
public:
    using Output = ScriptOutput;

    explicit ScriptApi(EDITOR& editor, QObject* parent = nullptr);

    void setOutput(Output output) { output_ = std::move(output); }
    // What the current run asked for, cleared at the start of each run.
    void beginRun(const QString& file, const QString& stepName);
    const QString& stepName() const { return stepName_; }
    const std::optional<ScriptPlace>& place() const { return place_; }
    const std::vector<ScriptCommand>& commands() const { return commands_; }

    Q_INVOKABLE void print(const QString& text);

    Q_INVOKABLE int stageCount() const;
    Q_INVOKABLE int currentStage() const;
    Q_INVOKABLE int currentView() const;
    Q_INVOKABLE int currentPaletteSet() const;
    Q_INVOKABLE void checkStage(double stage);
    Q_INVOKABLE QVariantMap names() const;

    Q_INVOKABLE int page(double stage, double page);
    Q_INVOKABLE void setPage(double stage, double page, double mapSet);
    Q_INVOKABLE int cell(double stage, double mapSet, double column, double row);
    Q_INVOKABLE void setCell(double stage, double mapSet, double column, double row, double chipSet);
    Q_INVOKABLE QVariantList chipSet(double stage, double chipSet);
    Q_INVOKABLE void setChipSet(double stage, double chipSet, double a, double b, double c, double d);
    // [tile 0, tile 1, tile 2, tile 3, palette, style]
    Q_INVOKABLE QVariantList chip(double stage, double chip);
    Q_INVOKABLE void setChip(double stage, double chip, const QVariantList& values);
    Q_INVOKABLE int colour(double stage, double set, double subPalette, double index);
    Q_INVOKABLE void setColour(double stage, double set, double subPalette, double index, double colour);
    Q_INVOKABLE int selector(double stage, double set, double subPalette);
    Q_INVOKABLE void setSelector(double stage, double set, double subPalette, double selector);
    Q_INVOKABLE int pixel(double stage, double tile, double x, double y);
    Q_INVOKABLE void setPixel(double stage, double tile, double x, double y, double value);
    // 64 values, row by row.
    Q_INVOKABLE void setTile(double stage, double tile, const QVariantList& pixels);
    Q_INVOKABLE QVariantMap tileSource(double stage, double tile);
    Q_INVOKABLE QVariantList objects(double stage);
    Q_INVOKABLE void setObject(double stage, double slot, double page, double x, double y, double data);
    Q_INVOKABLE void removeObject(double stage, double slot);

    // kind: "page", "cell", "quadrant", "object", "chipSet", "chip" or "tile".
    Q_INVOKABLE void show(const QString& kind, double stage, double number, double column, double row, double quadrant);
    Q_INVOKABLE void nameStep(const QString& name);
    Q_INVOKABLE void registerCommand(const QString& id, const QString& label);
    // The prelude's refusals are said through this (preludeText).
    Q_INVOKABLE QString text(const QString& english, const QString& value) const;

private:
    // Runs access, turning a refusal into an error thrown into the script.
    template <typename Access>
    auto guarded(Access access) -> decltype(access());

    EDITOR& editor_;
    Output output_;
    QString file_;
    QString stepName_;
    std::optional<ScriptPlace> place_;
    std::vector<ScriptCommand> commands_;
};
