#pragma once

// Where the time of one upload run went, in seconds, so that its bottleneck shows: converters that
// cannot keep up leave the uploader waiting for items; an uploader that cannot keep up leaves a tail
// after the last conversion.
struct RunTiming
{
    // Summed over the converter threads: files being converted.
    double converting = 0;
    // The uploader sending items, waiting for their replies and recording them.
    double uploading = 0;
    // The uploader with nothing to send, waiting for a converter to hand over the next batch.
    double waitingForConverter = 0;
    // From the end of the last conversion to the end of the uploads: the run waiting for the uploader.
    double waitingForUploader = 0;
};
