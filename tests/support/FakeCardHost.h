#pragma once

#include "document/CardHost.h"
#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"

#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Typed selections, as tests compare them.
inline std::optional<CardItemRef> labelRef(int index) { return CardItemRef{CardItemRef::LabelItem, index}; }
inline std::optional<CardItemRef> logoRef(int index) { return CardItemRef{CardItemRef::LogoItem, index}; }

// A main frame for tests of the card window: records what the card writes
// into the frame's panels, lists and boxes, and which frame commands it
// runs. Message boxes and common dialogs go through a ScriptedPrompts.
class FakeCardHost : public CardHost {
public:
    FakeCardHost();

    ScriptedPrompts scripted;
    CommonDialog dialog{&scripted};
    QString applicationDir;

    // Status bar panels by number.
    QMap<int, QString> panels;

    // Object list `Objets`.
    QStringList objects;
    int selectedRow = -1;
    // Runs when a row is selected (a test may route it to the card's
    // Label_Click / Logo_Click, as the frame's list does).
    std::function<void(int row)> onRowSelected;

    // The selected item and the `TextA` text.
    std::optional<CardItemRef> selected;
    QString textATextValue;

    // `Check1` option boxes (settable by the test) and the `Check2` mirrors.
    bool check1Values[4] = {false, false, false, false};
    bool check2Values[2] = {false, false};

    // Gradient swatches by index.
    QMap<int, OleColor> swatches;

    // Orientation handler calls and button selections.
    std::vector<int> optionClicks;
    std::vector<int> optionSelections;

    // Context menus shown ("label", "logo", "tools") with their positions.
    std::vector<std::pair<QString, QPoint>> menusShown;
    std::vector<int> outLabelClicks;
    std::vector<int> outLogoClicks;

    // Sauver_unProjet calls (the withDialog argument); `onSave` may act as
    // the frame's save does (set the card's tag...).
    std::vector<bool> saves;
    std::function<void(bool withDialog)> onSave;
    // What Sauver_unProjet answers (false: the file could not be written).
    bool saveSucceeds = true;

    QString appDir() const override { return applicationDir; }
    Prompts &prompts() override { return scripted; }
    CommonDialog &CMDialog1() override { return dialog; }

    void setStatusPanel(int panel, const QString &text) override { panels[panel] = text; }

    void clearObjects() override;
    void addObject(const QString &row) override;
    int objectCount() const override { return int(objects.size()); }
    QString objectText(int row) const override { return objects.value(row); }
    int objectIndex() const override { return selectedRow; }
    void setObjectIndex(int row) override;

    std::optional<CardItemRef> selection() const override { return selected; }
    void setSelection(std::optional<CardItemRef> item) override { selected = item; }
    QString textAText() const override { return textATextValue; }
    void setTextAText(const QString &text) override { textATextValue = text; }

    bool check1(int index) const override;
    void setCheck2(int index, bool checked) override;

    OleColor swatchColor(int index) const override { return swatches.value(index, Colors::White); }
    void setSwatchColor(int index, OleColor color) override { swatches[index] = color; }
    void Option_Click(int index) override { optionClicks.push_back(index); }
    void selectOption(int index) override { optionSelections.push_back(index); }

    void showLabelMenu(const QPoint &globalPos) override { menusShown.emplace_back(QStringLiteral("label"), globalPos); }
    void showLogoMenu(const QPoint &globalPos) override { menusShown.emplace_back(QStringLiteral("logo"), globalPos); }
    void showToolsMenu(const QPoint &globalPos) override { menusShown.emplace_back(QStringLiteral("tools"), globalPos); }
    void Mnu_OutLabel_Click(int index) override { outLabelClicks.push_back(index); }
    void Mnu_OutLogo_Click(int index) override { outLogoClicks.push_back(index); }

    bool Sauver_unProjet(bool withDialog) override;
};
