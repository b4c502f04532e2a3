#include "StatusTexts.h"

#include <cerrno>

#include "Report.h"

const char* StatusText(ParseStatus status) {
  switch (status) {
    case ParseStatus::SixtyOrMore:
      return "Erreur ! Les nombres des minutes et des\nsecondes doivent être "
             "inférieurs à 60.\n\nRecommencez !";
    case ParseStatus::TimeSyntax:
      return "Erreur de saisie de l'heure.\nLe format est  hh:mm:ss.s\n\n"
             "Recommencez !";
    case ParseStatus::HourOutOfRange:
      return "Erreur ! Le nombre des heures doit\nêtre compris entre 0 et 23.\n\n"
             "Recommencez !";
    case ParseStatus::DateSyntax:
      return "Erreur de saisie de la date.\nLe format est  jj/mm/[-]aaaa\n\n"
             "Recommencez !";
    case ParseStatus::EpochSyntax:
      return "Erreur de saisie de la date. Le format est Jaaaa.\n\nRecommencez !";
    case ParseStatus::NoSuchDate:
      return "Vous avez entré une date non valide.\n\nRecommencez !";
    case ParseStatus::Ok:
    case ParseStatus::Epoch:
    case ParseStatus::Empty:
    case ParseStatus::Syntax:
      break;
  }
  return nullptr;
}

FieldStatus ShowStatus(ParseStatus status) {
  if (const char* text = StatusText(status)) ShowMessage(text, Icon::Error);
  switch (status) {
    case ParseStatus::Ok:
      return kFieldOk;
    case ParseStatus::Epoch:
      return kFieldEpoch;
    case ParseStatus::Syntax:
    case ParseStatus::TimeSyntax:
    case ParseStatus::DateSyntax:
    case ParseStatus::EpochSyntax:
      return kFieldSyntax;
    case ParseStatus::Empty:
    case ParseStatus::SixtyOrMore:
    case ParseStatus::HourOutOfRange:
    case ParseStatus::NoSuchDate:
      break;
  }
  return kFieldReported;
}

void ShowStatus(const DateStatusPair& status) {
  ShowStatus(status.date);
  if (status.date != ParseStatus::Epoch) ShowStatus(status.time);
}

std::string SiteFileErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "Impossible de trouver %1.";
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
      return "%1 contient un chemin non valide.";
    case EMFILE:
    case ENFILE:
      return "Impossible d'ouvrir %1 car il y a trop de fichiers ouverts.";
    case EACCES:
    case EPERM:
    case EROFS:
      return "L'accès à %1 a été refusé.";
    case EBUSY:
    case ETXTBSY:
      return "Une violation de partage s'est produite lors de l'accès à %1.";
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return "Disque plein lors de l'accès à %1.";
    default:
      return "Une erreur inconnue s'est produite lors de l'accès à %1.";
  }
}

bool ShowStatus(const SiteFileResult& result) {
  if (result.status == SiteFileStatus::Ok) return true;
  std::string text = SiteFileErrorText(result.error);
  std::string::size_type at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, result.name);
  ShowMessage(text, Icon::Error);
  return false;
}
