#pragma once

// The operator's typed text on its way to the console: every path that turns
// a field into a console line asks here first, since the console carries
// 8-bit text and a character above U+00FF would reach the router as "?".

#include <QString>

#include <initializer_list>

namespace tessel {

class PageHost;

// What the operator is told about the first character of texts that cannot
// go to the router; empty when every character can.
QString UncarriableTextMessage(std::initializer_list<QString> texts);

// True when one of texts cannot go: the operator has been told which
// character (caption "Input error"), and the caller sends nothing and leaves
// the fields as they are, so that the text can be corrected.
bool RefuseUncarriable(PageHost& host, std::initializer_list<QString> texts);

}  // namespace tessel
