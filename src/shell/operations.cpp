// SPDX-License-Identifier: GPL-3.0-or-later
#include "operations.h"

#include "control.h"
#include "form.h"
#include "numbers.h"
#include "platform.h"

#include <cmath>

void showValidation(Platform &platform, std::string_view prompt)
{
    platform.showMessage(prompt, appTitle);
}

void printWindow(Platform &platform, const Form &form)
{
    if (!platform.print(form))
        platform.showMessage("C'è un problema di stampa!", "Verificare lo stato della stampante");
}

void closeWindow(Platform &platform, Form &form)
{
    platform.unload(form);
}

std::optional<double> readBox(Platform &platform, const Control &box, std::string_view prompt)
{
    const std::optional<double> value = box.text().empty() ? std::nullopt : textToNumber(box.text());
    if (!value)
        showValidation(platform, prompt);
    return value;
}

std::optional<std::string> resultText(Platform &platform, double value)
{
    if (std::isfinite(value)) {
        std::string text = numberToText(value);
        if (textToNumber(text))
            return text;
    }
    platform.showMessage(tooBigPrompt, appTitle);
    return std::nullopt;
}

std::optional<std::string> centimetres(Platform &platform, const Control &mmLabel, double divisor)
{
    const std::optional<double> shown = textToNumber(mmLabel.text());
    if (!shown)
        return std::nullopt;
    return resultText(platform, *shown / divisor);
}
