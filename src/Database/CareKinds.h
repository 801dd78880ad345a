#pragma once

// What a row of care_colonies belongs to: the colonies a treatment or a feeding was given to, or
// that a task is for.
enum class CareKind
{
    Treatment = 1,
    Feeding = 2,
    Task = 3,
};
