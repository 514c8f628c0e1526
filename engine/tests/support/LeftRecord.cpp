// LeftRecord.cpp: the record a run of the writer leaves when a kill stops it.
#include "LeftRecord.h"

#include "project/DiskState.h"

namespace
{

// The bytes that prove the step: none but for a temporary written or an old file set aside.
ContentProof ProofFor(RunStep step, const CString& path)
{
    ContentProof proof;
    if (step == RunStep::Aside)
        ProofOf(SetAsidePathOf(path), &proof);
    else if (step == RunStep::Wrote && !ProofOf(TemporaryPathOf(path), &proof))
        ProofOf(path, &proof);
    return proof;
}

}  // namespace

bool LeaveRecord(const std::string& folder, const std::vector<std::pair<RunStep, std::string>>& steps)
{
    CRunRecord record;
    RunContents run;
    const CString at = RecordPathIn(folder.c_str());
    if (record.Create(at) != CRunRecord::Opened::Held)
        return false;
    for (const auto& [step, name] : steps)
    {
        const CString path = FolderOf(at) + name.c_str();
        if (!record.Note(step, path, &run, ProofFor(step, path)))
            return false;
    }
    return true;
}

RunSteps StepsUntilTheFirstWentIn(const std::vector<std::string>& names)
{
    RunSteps steps;
    for (const std::string& name : names)
        steps.insert(steps.end(), {{RunStep::Old, name}, {RunStep::Wrote, name}});
    steps.insert(steps.end(), {{RunStep::Aside, names.front()}, {RunStep::In, names.front()}});
    return steps;
}

RunSteps StepsUntilAllWentIn(const std::vector<std::string>& names)
{
    RunSteps steps;
    for (const RunStep step : {RunStep::Old, RunStep::Wrote})
        for (const std::string& name : names)
            steps.push_back({step, name});
    for (const std::string& name : names)
        steps.insert(steps.end(), {{RunStep::Aside, name}, {RunStep::In, name}});
    return steps;
}
