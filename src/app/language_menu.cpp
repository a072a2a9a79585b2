// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_menu.h"

#include <QActionGroup>
#include <QEvent>

#include "app/interface_language.h"

namespace voltaris {

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent) {
    setObjectName("Sprache1");
    auto* group = new QActionGroup(this);  // exclusive: one language at a time
    german_ = group->addAction(QString());
    german_->setObjectName("Deutsch1");
    english_ = group->addAction(QString());
    english_->setObjectName("English1");
    for (QAction* entry : group->actions()) {
        entry->setCheckable(true);
        addAction(entry);
    }
    connect(german_, &QAction::triggered, this, [] { SetInterfaceLanguage(InterfaceLanguage::German); });
    connect(english_, &QAction::triggered, this, [] { SetInterfaceLanguage(InterfaceLanguage::English); });
    RetranslateUi();
}

void LanguageMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QMenu::changeEvent(event);
}

void LanguageMenu::RetranslateUi() {
    // The names of the languages read the same in either language.
    setTitle(tr("&Sprache / Language"));
    german_->setText(tr("Deutsch"));
    english_->setText(tr("English"));
    // A switch made elsewhere (the command line, a test) shows here too.
    const bool english = CurrentInterfaceLanguage() == InterfaceLanguage::English;
    german_->setChecked(!english);
    english_->setChecked(english);
}

void AddLanguageMenu(QMenu* extras) {
    extras->addSeparator();
    extras->addMenu(new LanguageMenu(extras));
}

}  // namespace voltaris
