#pragma once

#include "platform/word.h"

#include <QString>
#include <memory>

// The program's shared state and routines, alive for the whole run.
namespace ModZelvo {

inline QString nomeprogramma;
inline QString sottotitolo;
inline QString versione;
inline QString dataversione;
inline QString codicedata;
inline QString titoloaiuto;
inline QString titolocontrollo;
inline QString intestazionelistino;
inline QString titologuida;
inline QString testoguida;

// The word processor's application, document and table of the latest printout.
inline std::shared_ptr<word::Application> applicazioneword;
inline word::Document* documentoword = nullptr;
inline word::Table* tabellaword = nullptr;

// Fills the identity strings and the message titles.
void inizializza();

// Sends the guide page held in titologuida and testoguida to a new document.
void guidainword();

// The exit routine: asks, then unloads every window and shows the closing screen.
void uscita();

// The program's folder: the executable's, where the tips file lies and the guide document is written.
QString cartellaprogramma();

} // namespace ModZelvo
