#pragma once

class System;

// A tab page or dialog that edits the model. It shows the model's values, hands each field
// the user changed to the model's validated setter (a refusal tells the user why and shows
// the kept value again), and lets go of the model while it is rebuilt. PageAttachment keeps
// a page attached to the current system's document.
class ModelPage
{
public:
    virtual ~ModelPage() = default;

    // Takes the model and shows its values.
    virtual void attach(System& system) = 0;
    // Lets go of the model: no pointer into it is kept past this call.
    virtual void detach() = 0;
    // Shows the attached model's values again.
    virtual void refresh() = 0;
    // Commits one field (the page's own field numbers) into the model; false, after telling
    // the user, when the model refused it.
    virtual bool commitField(int field) = 0;
};
