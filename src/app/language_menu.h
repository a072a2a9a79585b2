// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMenu>

class QAction;

namespace voltaris {

// "&Sprache / Language" in the "&Extras" menu: "Deutsch" and "English", one of them checked,
// switch the whole interface at once. The choice lasts for the run.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    explicit LanguageMenu(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();

    QAction* german_;
    QAction* english_;
};

// Appends a separator and the language menu to `extras`.
void AddLanguageMenu(QMenu* extras);

}  // namespace voltaris
