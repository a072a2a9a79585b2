// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_error_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <locale.h>

namespace voltaris {

std::string_view XmlStatusText(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_ok: return "kein Fehler";
    case pugi::status_file_not_found: return "Datei nicht gefunden";
    case pugi::status_io_error: return "Lesefehler";
    case pugi::status_out_of_memory: return "nicht genug Arbeitsspeicher";
    case pugi::status_internal_error: return "interner Fehler beim Lesen";
    case pugi::status_unrecognized_tag: return "unbekannte Markierung nach \"<\"";
    case pugi::status_bad_pi: return "fehlerhafte Deklaration oder Verarbeitungsanweisung (\"<?\")";
    case pugi::status_bad_comment: return "fehlerhafter Kommentar";
    case pugi::status_bad_cdata: return "fehlerhafter CDATA-Abschnitt";
    case pugi::status_bad_doctype: return "fehlerhafte Dokumenttyp-Angabe";
    case pugi::status_bad_pcdata: return "fehlerhafter Text zwischen den Elementen";
    case pugi::status_bad_start_element: return "fehlerhaftes Start-Tag";
    case pugi::status_bad_attribute: return "fehlerhaftes Attribut";
    case pugi::status_bad_end_element: return "fehlerhaftes End-Tag";
    case pugi::status_end_element_mismatch: return "End-Tag passt nicht zum Start-Tag";
    case pugi::status_append_invalid_root: return "Knoten an dieser Stelle nicht erlaubt";
    case pugi::status_no_document_element: return "kein Wurzelelement gefunden";
    }
    return "unbekannter Fehler beim Lesen";
}

int LineAtOffset(std::string_view text, std::ptrdiff_t offset) {
    const size_t end = static_cast<size_t>(std::clamp<std::ptrdiff_t>(offset, 0, std::ptrdiff_t(text.size())));
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + end, '\n'));
}

std::string NotAProjectFileMessage(const std::string& path, std::string_view text,
                                   const pugi::xml_parse_result& parsed) {
    return "Die Datei " + path + " ist keine gültige Projektdatei (Zeile " +
           std::to_string(LineAtOffset(text, parsed.offset)) + "): " + std::string(XmlStatusText(parsed.status)) + ".";
}

namespace {

// Our wording of the causes a project or picture file meets most, the same as the C library's
// German texts, for systems without a German locale.
const char* OwnGermanText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT: return "Datei oder Verzeichnis nicht gefunden";
    case EACCES: return "Keine Berechtigung";
    case EPERM: return "Die Operation ist nicht erlaubt";
    case EISDIR: return "Ist ein Verzeichnis";
    case ENOTDIR: return "Ist kein Verzeichnis";
    case ENOSPC: return "Auf dem Gerät ist kein Speicherplatz mehr verfügbar";
#ifdef EDQUOT
    case EDQUOT: return "Der zugewiesene Plattenplatz (Quota) ist überschritten";
#endif
    case EROFS: return "Das Dateisystem ist nur lesbar";
    case ENAMETOOLONG: return "Der Dateiname ist zu lang";
    case EMFILE: return "Zu viele offene Dateien";
    case EIO: return "Eingabe-/Ausgabefehler";
    default: return nullptr;
    }
}

}  // namespace

std::string SystemErrorText(int errorNumber) {
#ifndef _WIN32
    // Only the messages category is German; the C library translates through this locale.
    static const locale_t german = newlocale(LC_MESSAGES_MASK, "de_DE.UTF-8", locale_t(nullptr));
    static const locale_t plain = newlocale(LC_MESSAGES_MASK, "C", locale_t(nullptr));
    if (german && plain) {
        const std::string translated = strerror_l(errorNumber, german);
        // The same text as in the C locale means the system has no German catalogue (or the
        // environment's LANGUAGE asks for another language).
        if (translated != strerror_l(errorNumber, plain)) return translated;
    }
#endif
    // No German text from the system (never on Windows, whose C library speaks English only).
    if (const char* own = OwnGermanText(errorNumber)) return own;
    return "Systemfehler Nummer " + std::to_string(errorNumber);
}

}  // namespace voltaris
