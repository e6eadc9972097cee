// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/teacherchoice.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace abacolo {
namespace {

constexpr std::string_view rangeOption = "--entro";
constexpr std::string_view noCarryingOption = "--senza-cambio";
constexpr std::string_view rangeKey = "entro";
constexpr std::string_view carryingKey = "cambio";

// "99, 999 o 9999"; with "e" instead of "o", every one of them.
std::string rangeValues(std::string_view prefix = {}, std::string_view last = " o ") {
    std::string text;
    const auto names = rangeNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? last : ", ";
        text += prefix;
        text += names[i].value;
    }
    return text;
}

std::string rangeChoices() {
    std::string text;
    for (const RangeName& name : rangeNames())
        text += (text.empty() ? "" : "|") + std::string(name.value);
    return text;
}

TeacherChoice refused(std::string line) {
    return {TeacherChoice::Outcome::Refused, {}, std::move(line)};
}

std::string quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

std::string commandLineRefusal(std::string_view what) {
    return "abacolo: " + std::string(what) + "; le opzioni sono " + std::string(rangeOption) + " " +
           rangeChoices() + ", " + std::string(noCarryingOption) + " e --help.";
}

// One line of the help's list of options: the option, then what it does, in a column of its own.
std::string helpLine(std::string_view option, std::string_view meaning) {
    constexpr std::size_t optionColumn = 24;
    std::string line = "  " + std::string(option);
    line.resize(std::max(optionColumn, line.size() + 1), ' ');
    return line + std::string(meaning) + "\n";
}

std::string help() {
    const std::string range = std::string(rangeOption) + " " + rangeChoices();
    const std::string noCarrying(noCarryingOption);
    return "Uso: abacolo [" + range + "] [" + noCarrying + "]\n" +
           "Abacolo: le operazioni in colonna per la scuola primaria.\n\n" +
           helpLine(range, "i numeri restano entro il 99, il 999 o il 9.999") +
           helpLine("", "(senza questa opzione: entro il 9.999)") +
           helpLine(noCarrying, "solo operazioni senza cambio: senza riporto né prestito,") +
           helpLine("", "divisioni senza resto") + helpLine("-h, --help", "mostra questo aiuto") +
           "\nEntro il 99 non ci sono le moltiplicazioni con 2 cifre al moltiplicatore.\n"
           "La scelta vale finché il programma resta aperto e non viene salvata.\n"
           "Esempio: abacolo " +
           std::string(rangeOption) + " 99 " + noCarrying;
}

char lowered(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lowered(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A part of the query as typed: "%C3%AC" is "ì", "+" a blank; ASCII letters in lower case. A "%" not
// followed by two hexadecimal digits stays as it is.
std::string decoded(std::string_view part) {
    std::string text;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '%' && i + 2 < part.size() && hexValue(part[i + 1]) >= 0 &&
            hexValue(part[i + 2]) >= 0) {
            text += static_cast<char>(hexValue(part[i + 1]) * 16 + hexValue(part[i + 2]));
            i += 2;
        } else if (part[i] == '+') {
            text += ' ';
        } else {
            text += lowered(part[i]);
        }
    }
    return text;
}

std::string queryRefusal(std::string_view part) {
    return "L'indirizzo chiede " + quoted(part) + ", che Abacolo non conosce: si può scegliere " +
           rangeValues("entro=") + " e cambio=no, oppure uno di questi collegamenti.";
}

} // namespace

TeacherChoice fromArguments(std::span<const std::string_view> arguments) {
    // Asked for anywhere, the help is the answer, whatever else was typed.
    for (const std::string_view argument : arguments)
        if (argument == "--help" || argument == "-h")
            return {TeacherChoice::Outcome::Help, {}, help()};
    TeacherChoice choice;
    bool rangeGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == noCarryingOption) {
            choice.level.carrying = false;
            continue;
        }
        std::optional<std::string_view> value;
        if (argument == rangeOption) {
            if (i + 1 == arguments.size())
                return refused("abacolo: " + std::string(rangeOption) + " vuole un valore: " + rangeValues() +
                               ".");
            value = arguments[++i];
        } else if (argument.starts_with(std::string(rangeOption) + "=")) {
            value = argument.substr(rangeOption.size() + 1);
        }
        if (!value) {
            return refused(commandLineRefusal(argument.starts_with("-")
                                                  ? "opzione sconosciuta " + quoted(argument)
                                                  : quoted(argument) + " non è un'opzione"));
        }
        const std::optional<Range> range = rangeNamed(*value);
        if (!range)
            return refused("abacolo: " + quoted(*value) + " non va bene per " + std::string(rangeOption) +
                           ": i valori sono " + rangeValues({}, " e ") + ".");
        if (rangeGiven)
            return refused("abacolo: " + std::string(rangeOption) + " si dà una volta sola, con " +
                           rangeValues() + ".");
        rangeGiven = true;
        choice.level.range = *range;
    }
    return choice;
}

TeacherChoice fromQuery(std::string_view query) {
    if (query.starts_with('?'))
        query.remove_prefix(1);
    TeacherChoice choice;
    bool rangeGiven = false;
    bool carryingGiven = false;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view part = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        if (part.empty())
            continue;
        const std::size_t equals = part.find('=');
        const std::string key = decoded(part.substr(0, equals));
        const std::string value =
            equals == std::string_view::npos ? std::string() : decoded(part.substr(equals + 1));
        if (key == rangeKey && !rangeGiven) {
            const std::optional<Range> range = rangeNamed(value);
            if (!range)
                return refused(queryRefusal(part));
            choice.level.range = *range;
            rangeGiven = true;
        } else if (key == carryingKey && !carryingGiven &&
                   (value == "no" || value == "si" || value == "sì")) {
            choice.level.carrying = value != "no";
            carryingGiven = true;
        } else {
            return refused(queryRefusal(part));
        }
    }
    return choice;
}

} // namespace abacolo
