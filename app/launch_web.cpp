// SPDX-License-Identifier: GPL-3.0-or-later
// In the browser the teacher chooses in the page's address (?entro=99&cambio=no); a refusal takes the
// program's place on the page, with the links to every choice.
#include "app/launch.h"
#include "runtime/webpage.h"

#include <QString>

namespace abacolo {

TeacherChoice askedAtStart(int, char*[]) {
    return fromQuery(web::pageQuery());
}

void answerTeacher(const std::string& text, bool) {
    web::showRefused(QString::fromStdString(text));
}

} // namespace abacolo
