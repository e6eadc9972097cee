# SPDX-License-Identifier: GPL-3.0-or-later
"""A speech server for Orca that makes no sound: what Orca would say is written, as it is said, to the
file named by ABACOLO_SPEECH_LOG, one utterance a line after the time in seconds since the epoch.
tests/system/screenreader.sh waits on that file and reads it. No sound server is needed.
Orca's speech server interface changed names within a release (Debian 13's Orca 48.1 update asks for
get_speech_server, get_info, speak_character, speak_key_event and say_all; Debian 12's Orca 43 for
getSpeechServer, getInfo, speakCharacter, speakKeyEvent and sayAll): both sets are answered."""
import os
import time

from orca import speechserver


def _write(text):
    path = os.environ.get("ABACOLO_SPEECH_LOG")
    if path and text:
        with open(path, "a", encoding="utf-8") as log:
            log.write("%.3f %s\n" % (time.time(), " ".join(str(text).split())))


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.get_speech_server()]

    @staticmethod
    def get_speech_server(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    getSpeechServer = get_speech_server

    @staticmethod
    def shutdownActiveServers():
        pass

    def get_info(self):
        return ["Silent", "silent"]

    getInfo = get_info

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _write(text)

    def speak_character(self, character, acss=None):
        _write(character)

    def speak_key_event(self, event, acss=None):
        pass

    def say_all(self, utterance_iterator, progress_callback):
        pass

    speakCharacter = speak_character
    speakKeyEvent = speak_key_event
    sayAll = say_all

    def stop(self):
        pass

    def shutdown(self):
        pass

    def reset(self, text=None, acss=None):
        pass
