<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>InfoPlist</name>
    <message id="filelist.mode">
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message id="filelist.date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="filelist.time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="filelist.file">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="media.always">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="media.motion">
        <source>Motion</source>
        <translation>Motion</translation>
    </message>
    <message id="media.event">
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message id="media.unknown">
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message id="nSecond_fmt">
        <source>%1 sec</source>
        <translation>%1 sec</translation>
    </message>
    <message id="nMinute_fmt">
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message id="nHour_fmt">
        <source>%1 hours</source>
        <translation>%1 hours</translation>
    </message>
</context>
</TS>
