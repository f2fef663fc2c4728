#pragma once

class QWidget;
class Session;
class Ttest;

// The dashboard's "  Test": refuses an empty selection, warns a pupil already tested today (Cancel the
// default), announces a first test with the "PRÊT?" countdown, then shows the test window. Returns whether
// the test window was (or will be, after the countdown) opened.
bool lance_test(Session& session, QWidget* parent, Ttest& test);
