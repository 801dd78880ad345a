#pragma once

class CWnd;

// The modal manager dialogs of the journal window's toolbar, with the journal window as parent.
void OpenHousingManager(CWnd* parent);
void OpenQueenManager(CWnd* parent);
