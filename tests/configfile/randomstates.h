#pragma once

#include "options/optioncatalogue.h"

#include <QRandomGenerator>
#include <QStringList>

// A random but valid state of the 23 rows. Sample k gives function row r the index
// (17k + r) mod 2007, so samples 0 to 118 together use every function index in every
// position of the file; the other rows and the ticks are random.
inline Options::OptionStates randomStates(QRandomGenerator &random, int k)
{
    using Options::ValueKind;
    Options::OptionStates states;
    int functionRow = 0;
    for (int r = 0; r < Options::OptionCount; ++r) {
        int value = 0;
        switch (Options::catalogue()[r].kind) {
        case ValueKind::Id: value = random.bounded(1, 128); break;
        case ValueKind::Volume: value = random.bounded(65); break;
        case ValueKind::Power: value = random.bounded(2); break;
        case ValueKind::Monitoring: value = random.bounded(4); break;
        case ValueKind::Boot: value = random.bounded(1000); break;
        case ValueKind::Baudrate: value = random.bounded(3); break;
        case ValueKind::Function: value = (17 * k + functionRow++) % Options::FunctionCount; break;
        }
        states[r] = {random.bounded(4) != 0, value};
    }
    return states;
}

// What an import of the file written from `states` must give: the ticked rows as
// they were, the others unticked at their defaults.
inline Options::OptionStates expectedAfterImport(const Options::OptionStates &states)
{
    Options::OptionStates expected = Options::defaultStates(false);
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (states[r].included)
            expected[r] = states[r];
    }
    return expected;
}

// Rows as text, so that a failed comparison shows which row differs.
inline QString describeStates(const Options::OptionStates &states)
{
    QStringList rows;
    for (int r = 0; r < Options::OptionCount; ++r)
        rows << QStringLiteral("%1=%2%3").arg(QLatin1String(Options::catalogue()[r].keyword))
                    .arg(states[r].value).arg(states[r].included ? QString() : QStringLiteral("(off)"));
    return rows.join(QLatin1Char(' '));
}
