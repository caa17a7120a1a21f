#pragma once

#include "options/optioncatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QWidget>

#include <array>

// The 23 option rows of the real window, reached by object name as a user would see
// them: include checkbox and value editor (spin value or list index).
namespace WindowRows {

struct Names {
    const char *checkBox;
    const char *editor;
};

inline const std::array<Names, Options::OptionCount> &names()
{
    static const std::array<Names, Options::OptionCount> rows = {{
        {"checkBox_ID", "spinBox_ID"},           {"checkBox_Volume", "spinBox_Volume"},
        {"checkBox_Power", "comboBox_Power"},    {"checkBox_Monitor", "comboBox_Monitor"},
        {"checkBox_Boot", "spinBox_Boot"},       {"checkBox_Input01", "comboBox_Input01"},
        {"checkBox_Input02", "comboBox_Input02"}, {"checkBox_Input03", "comboBox_Input03"},
        {"checkBox_Input04", "comboBox_Input04"}, {"checkBox_Input05", "comboBox_Input05"},
        {"checkBox_Input06", "comboBox_Input06"}, {"checkBox_Input07", "comboBox_Input07"},
        {"checkBox_Input08", "comboBox_Input08"}, {"checkBox_Input09", "comboBox_Input09"},
        {"checkBox_Input10", "comboBox_Input10"}, {"checkBox_Input11", "comboBox_Input11"},
        {"checkBox_Input12", "comboBox_Input12"}, {"checkBox_Input13", "comboBox_Input13"},
        {"checkBox_Input14", "comboBox_Input14"}, {"checkBox_Input15", "comboBox_Input15"},
        {"checkBox_Button1", "comboBox_Button1"}, {"checkBox_Button2", "comboBox_Button2"},
        {"checkBox_Baudrate", "comboBox_Baudrate"},
    }};
    return rows;
}

inline Options::OptionStates read(const QWidget &window)
{
    Options::OptionStates states;
    for (int r = 0; r < Options::OptionCount; ++r) {
        states[r].included = window.findChild<QCheckBox *>(names()[r].checkBox)->isChecked();
        QWidget *editor = window.findChild<QWidget *>(names()[r].editor);
        if (auto *spin = qobject_cast<QSpinBox *>(editor))
            states[r].value = spin->value();
        else
            states[r].value = qobject_cast<QComboBox *>(editor)->currentIndex();
    }
    return states;
}

inline void write(QWidget &window, const Options::OptionStates &states)
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        window.findChild<QCheckBox *>(names()[r].checkBox)->setChecked(states[r].included);
        QWidget *editor = window.findChild<QWidget *>(names()[r].editor);
        if (auto *spin = qobject_cast<QSpinBox *>(editor))
            spin->setValue(states[r].value);
        else
            qobject_cast<QComboBox *>(editor)->setCurrentIndex(states[r].value);
    }
}

} // namespace WindowRows
