#pragma once

#include "ui/ChildWindow.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <array>
#include <optional>

class Config;
class Dialogs;
class NfoDocument;
class QPushButton;

// The "Custom Characters" palette: 80 fixed keys that each add one code to the end of the
// document, ten custom keys that the user fills and that are kept in Settings.ini, and a
// button that clears a custom key by its number.
class Form2 : public ChildWindow
{
    Q_OBJECT

public:
    // Keys add to `document`; custom keys are kept in `config`.
    // The keys show their glyphs in `face`, the document's font at its size.
    Form2(Config& config, Dialogs& dialogs, NfoDocument& document, const QFont& face,
          QWidget* parent = nullptr);

    // The fixed keys, index 0 to 79.
    QList<QPushButton*> Command1;
    // The custom keys 2 to 11, from left to right.
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* cmdclear = nullptr;

    // The codes custom key `number` (2 to 11) holds; empty when it is not assigned.
    QByteArray customCodes(int number) const;

private:
    void buildFixedKeys(QWidget* client);
    void buildCustomKeys(QWidget* client);
    QPushButton* addKey(QWidget* parent, const QString& name, QPoint place);
    void loadCustomKeys();
    QPushButton*& customKey(int number);
    // Shows the codes on the key and keeps them; the store is written by the caller.
    void setCustomCodes(int number, const QByteArray& codes);
    void storeCustomCodes(int number, const QByteArray& codes);
    // The codes of a prompt's answer, or nothing (after saying why) when they cannot be kept.
    std::optional<QByteArray> answerCodes(const QString& answer);

    void Command1_Click(int index);
    void Command_Click(int number);
    void assignCustomKey(int number);
    void cmdclear_Click();

    Config& m_config;
    Dialogs& m_dialogs;
    NfoDocument& m_document;
    QFont m_face;
    // Keys are this wide and high, and one starts every `m_pitch` pixels: neighbours overlap
    // by one pixel, as designed.
    int m_side;
    int m_pitch;
    std::array<QByteArray, 10> m_customCodes;
};
