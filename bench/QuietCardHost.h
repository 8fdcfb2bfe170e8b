#pragma once

#include "document/CardHost.h"
#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"

#include <QStringList>

// A frame for benchmarks: answers the card window and does nothing else
// (balloons on, items unlocked, no status bar, no menus).
class QuietCardHost : public CardHost {
public:
    QString appDir() const override { return QString(); }
    Prompts &prompts() override { return m_prompts; }
    CommonDialog &CMDialog1() override { return m_dialog; }
    void setStatusPanel(int, const QString &) override {}
    void clearObjects() override { m_rows.clear(); }
    void addObject(const QString &row) override { m_rows.append(row); }
    int objectCount() const override { return int(m_rows.size()); }
    QString objectText(int row) const override { return m_rows.value(row); }
    int objectIndex() const override { return m_row; }
    void setObjectIndex(int row) override { m_row = row; }
    std::optional<CardItemRef> selection() const override { return m_selection; }
    void setSelection(std::optional<CardItemRef> item) override { m_selection = item; }
    QString textAText() const override { return m_text; }
    void setTextAText(const QString &text) override { m_text = text; }
    bool check1(int) const override { return false; }
    void setCheck2(int, bool) override {}
    OleColor swatchColor(int) const override { return Colors::White; }
    void setSwatchColor(int, OleColor) override {}
    void Option_Click(int) override {}
    void selectOption(int) override {}
    void showLabelMenu(const QPoint &) override {}
    void showLogoMenu(const QPoint &) override {}
    void showToolsMenu(const QPoint &) override {}
    void Mnu_OutLabel_Click(int) override {}
    void Mnu_OutLogo_Click(int) override {}
    bool Sauver_unProjet(bool) override { return true; }

private:
    ScriptedPrompts m_prompts;
    CommonDialog m_dialog{&m_prompts};
    QStringList m_rows;
    int m_row = -1;
    std::optional<CardItemRef> m_selection;
    QString m_text;
};
