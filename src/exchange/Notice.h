#pragma once
// What the program tells the user, as one value: how serious it is, the text, what it is about
// and which scale. The exchange, the automatic-loading watch and the operations send notices;
// each front end decides how to show them (a box, the tray balloon, the terminal).
#include "exchange/ExchangeReport.h"

#include <QString>

namespace tevo {

struct Notice {
    enum class Kind { Plain, Information, Warning, Error };
    enum class About {
        Exchange,      // a start refused, an exchange failed, scales that cannot take part
        ExchangeEnd,   // the end text of an exchange (`command` says which)
        CheckEnd,      // the end of the connection check
        Connection,    // a line to a scale failed (the socket layer's text)
        AutomaticLoad, // a watched file refused, or a load that failed
        Passing, // a word in passing ("идет автоматическая загрузка в весы"): no box
    };

    Kind kind = Kind::Plain;
    QString text;
    About about = About::Exchange;
    CommandState command = CommandState::None;
    int scaleRecNo = 0;     // the scale it is about (1-based position in S); 0 for none or several
    bool automatic = false; // it belongs to an automatic load (the watch's load and its write)
};

} // namespace tevo
