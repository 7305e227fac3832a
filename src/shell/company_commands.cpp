#include "shell/company_commands.h"

#include "common/errors.h"
#include "shell/messages.h"

namespace corvella {

CompanyFacts CompanyCommands::companyFacts() const {
    if (auto facts = ws_.store.loadCompany()) return *facts;
    CompanyHeader h;
    try {
        ws_.store.loadHeader(h);
    } catch (const ReadError&) {
        // A damaged heading gives what it could; the heading window names it.
    }
    return companyFromHeader(h);
}

CompanyScreen& CompanyCommands::companyScreen() {
    auto& screen = ws_.screens.company;
    if (screen) return *screen;
    CompanyFacts facts;
    try {
        facts = companyFacts();
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fileDamaged(e,
                                             "The window shows the printed heading instead; "
                                             "saving it replaces the file."),
                       Icon::Warning);
        CompanyHeader h;
        try {
            ws_.store.loadHeader(h);
        } catch (const ReadError&) {
        }
        facts = companyFromHeader(h);
    }
    ws_.screens.create(screen);
    screen->show(facts);
    return *screen;
}

bool CompanyCommands::companySave() {
    CompanyScreen& screen = companyScreen();
    try {
        ws_.store.saveCompany(screen.take());
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::correctAndSaveAgain(e), Icon::Warning);
        return false;
    } catch (const Error& e) {
        ws_.ui.message(messages::companyNotSaved(e), Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace corvella
